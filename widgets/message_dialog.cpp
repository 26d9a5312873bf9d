#include "widgets/message_dialog.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <optional>
#include <vector>

#include "widgets/control_id.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/window_metrics.h"

namespace rv {

namespace {

// The icon stands at the top left and the text beside it; the text decides
// the dialog's size, with the buttons centred in a row below it.
constexpr QRect kIconPlace(16, 14, 32, 32);
constexpr QPoint kTextPlace(60, 14);
constexpr int kLineHeight = 13;
constexpr QSize kTextSlack(40, 2);     // the text's label is this much larger than the text
constexpr int kWidthBeyondText = 112;  // the dialog is this much wider than the text
constexpr int kHeightBeyondText = 76;  // and this much taller, counting the desktop's caption
constexpr int kButtonsBelowText = 16;
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 20;
constexpr int kButtonGap = 4;

struct ButtonDef {
  MessageAnswer answer;
  const char* label;
};

struct KindDef {
  std::vector<ButtonDef> buttons;
  std::optional<MessageAnswer> defaultAnswer;  // nothing: Enter presses no button
  MessageAnswer pointerAnswer;                 // the button the mouse pointer is moved onto
  QStyle::StandardPixmap icon;
};

KindDef DefOf(MessageKind kind) {
  const ButtonDef ok{MessageAnswer::Ok, "&OK"};
  const ButtonDef yes{MessageAnswer::Yes, "&Yes"};
  const ButtonDef no{MessageAnswer::No, "&No"};
  const ButtonDef cancel{MessageAnswer::Cancel, "&Cancel"};
  switch (kind) {
    case MessageKind::YesNo: return {{yes, no}, MessageAnswer::Yes, MessageAnswer::No, QStyle::SP_MessageBoxQuestion};
    case MessageKind::YesNoCancel:
      return {{yes, no, cancel}, std::nullopt, MessageAnswer::Yes, QStyle::SP_MessageBoxQuestion};
    case MessageKind::Error: return {{ok}, MessageAnswer::Ok, MessageAnswer::Ok, QStyle::SP_MessageBoxCritical};
    case MessageKind::Information: break;
  }
  return {{ok}, MessageAnswer::Ok, MessageAnswer::Ok, QStyle::SP_MessageBoxInformation};
}

// The dialog ends with the control id of the button that answered. Closed
// any other way (its owner going away) it was not answered, which counts as
// Cancel.
MessageAnswer AnswerOfDialogResult(int result) {
  for (const MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::No})
    if (result == ControlIdOf(answer)) return answer;
  return MessageAnswer::Cancel;
}

class MessageDialog : public QDialog {
 public:
  MessageDialog(const QString& text, QWidget* owner, MessageKind kind, const QStringList& labels)
      : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
        kind_(kind) {
    const KindDef spec = DefOf(kind);
    setObjectName(QStringLiteral("MSGDLG%1").arg(static_cast<int>(kind)));
    setWindowTitle(QStringLiteral("Regrovantis"));
    setFont(DialogFont());

    // The longest line decides the width, so no line is cut.
    const QFontMetrics metrics(DialogFont());
    int textWidth = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
      textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    const int textHeight = kCaptionHeight + kLineHeight * lines;
    const int dialogWidth = textWidth + kWidthBeyondText;
    // The desktop's frame adds the caption above the dialog's own area.
    resize(dialogWidth, textHeight + kHeightBeyondText - kCaptionHeight);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(spec.icon).pixmap(kIconPlace.size()));
    icon->setGeometry(kIconPlace);

    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    label->setGeometry(QRect(kTextPlace, QSize(textWidth, textHeight) + kTextSlack));
    SetControlId(label, kMessageTextId);

    const int count = static_cast<int>(spec.buttons.size());
    const int centre = dialogWidth / 2;
    int x = centre - (count * (kButtonWidth + kButtonGap) - kButtonGap) / 2;
    for (const ButtonDef& buttonDef : spec.buttons) {
      const qsizetype index = &buttonDef - spec.buttons.data();
      auto* button =
          new QPushButton(index < labels.size() ? labels[index] : QString::fromLatin1(buttonDef.label), this);
      button->setAutoDefault(false);
      button->setDefault(buttonDef.answer == spec.defaultAnswer);
      button->setGeometry(x, textHeight + kButtonsBelowText, kButtonWidth, kButtonHeight);
      const int answer = ControlIdOf(buttonDef.answer);
      SetControlId(button, answer);
      connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
      if (buttonDef.answer == spec.pointerAnswer) pointerButton_ = button;
      if (buttonDef.answer == spec.defaultAnswer || focusButton_ == nullptr) focusButton_ = button;
      x += kButtonWidth + kButtonGap;
    }
  }

  // Escape answers Cancel where there is a Cancel button and OK where OK is
  // the only answer; a Yes/No question must be answered.
  void reject() override {
    if (kind_ == MessageKind::YesNoCancel) done(kAnswerCancel);
    else if (kind_ != MessageKind::YesNo) done(kAnswerOk);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    focusButton_->setFocus();
    QCursor::setPos(pointerButton_->mapToGlobal(pointerButton_->rect().center()));
  }

 private:
  MessageKind kind_;
  QPushButton* pointerButton_ = nullptr;
  QPushButton* focusButton_ = nullptr;
};

}  // namespace

MessageAnswer ShowMessage(const QString& text, QWidget* owner, MessageKind kind) {
  return ShowMessage(text, owner, kind, {});
}

MessageAnswer ShowMessage(const QString& text, QWidget* owner, MessageKind kind, const QStringList& labels) {
  MessageDialog dialog(text, owner, kind, labels);
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (kind == MessageKind::Error) QApplication::beep();
  return AnswerOfDialogResult(dialog.exec());
}

}  // namespace rv
