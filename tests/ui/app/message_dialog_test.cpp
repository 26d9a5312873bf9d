#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/modal_answers.h"
#include "widgets/control_id.h"
#include "widgets/program_fonts.h"
#include "widgets/window_metrics.h"

namespace rv {
namespace {

struct SeenDialog {
  QSize size;
  QRect text;
  std::vector<std::pair<int, QRect>> buttons;  // id and geometry, left to right
  int defaultId = 0;
};

// Shows a message, records its layout and answers it.
SeenDialog ShowAndMeasure(const QString& text, MessageKind kind, int answer, int* result) {
  SeenDialog seen;
  testing::ModalAnswers answers;
  answers.then([&](QWidget* dialog) {
    seen.size = dialog->size();
    seen.text = FindControl(dialog, kMessageTextId)->geometry();
    for (auto* button : dialog->findChildren<QPushButton*>()) {
      seen.buttons.emplace_back(ControlId(button), button->geometry());
      if (button->isDefault()) seen.defaultId = ControlId(button);
    }
    std::sort(seen.buttons.begin(), seen.buttons.end(),
              [](const auto& a, const auto& b) { return a.second.x() < b.second.x(); });
    testing::ClickControl(dialog, answer);
  });
  *result = ControlIdOf(ShowMessage(text, nullptr, kind));
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(answers.dialogNames(), QStringList{QStringLiteral("MSGDLG%1").arg(static_cast<int>(kind))});
  return seen;
}

int LongestLineWidth(const QString& text) {
  int width = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    width = std::max(width, QFontMetrics(DialogFont()).horizontalAdvance(line));
  return width;
}

// Each line of text is 13 pixels high; the dialog is as wide as the longest
// line, and its buttons, 80 pixels apart, stand around its centre below the text.
TEST(MessageDialog, TheTextSizesTheDialogAndTheButtonsStandAroundTheCentre) {
  struct Buttons {
    std::vector<int> ids;      // left to right
    std::vector<int> offsets;  // of each one's left edge from the dialog's centre
    int defaultId;             // 0: none
  };
  const std::map<MessageKind, Buttons> buttonsOf = {
      {MessageKind::Information, {{kAnswerOk}, {-38}, kAnswerOk}},
      {MessageKind::Error, {{kAnswerOk}, {-38}, kAnswerOk}},
      {MessageKind::YesNoCancel, {{kAnswerYes, kAnswerNo, kAnswerCancel}, {-118, -38, 42}, 0}},
      {MessageKind::YesNo, {{kAnswerYes, kAnswerNo}, {-78, 2}, kAnswerYes}}};
  const char* const question = "Do you want to save the changes in 'Untitled'?";
  const struct {
    const char* text;
    MessageKind kind;
    int answer;
  } cases[] = {{"First draw the graph to print.", MessageKind::Information, kAnswerOk},
               {"The data file has been corrupted\nyou need to reenter your data.", MessageKind::Error, kAnswerOk},
               {"Short\nA much longer second line of text", MessageKind::Error, kAnswerOk},
               {question, MessageKind::YesNoCancel, kAnswerYes},
               {question, MessageKind::YesNoCancel, kAnswerNo},
               {question, MessageKind::YesNoCancel, kAnswerCancel},
               {question, MessageKind::YesNo, kAnswerNo}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + ", answered " + std::to_string(c.answer));
    const QString text = QString::fromLatin1(c.text);
    int result = 0;
    const SeenDialog seen = ShowAndMeasure(text, c.kind, c.answer, &result);
    const int w = LongestLineWidth(text);
    const int textHeight = 13 * static_cast<int>(text.count(QLatin1Char('\n')) + 1);
    EXPECT_EQ(result, c.answer);
    EXPECT_EQ(seen.size, QSize(w + 112, textHeight + 76));
    EXPECT_EQ(seen.text, QRect(60, 14, w + 40, kCaptionHeight + textHeight + 2));
    const Buttons& expected = buttonsOf.at(c.kind);
    ASSERT_EQ(seen.buttons.size(), expected.ids.size());
    for (std::size_t b = 0; b < expected.ids.size(); ++b) {
      EXPECT_EQ(seen.buttons[b].first, expected.ids[b]);
      EXPECT_EQ(seen.buttons[b].second,
                QRect((w + 112) / 2 + expected.offsets[b], kCaptionHeight + textHeight + 16, 76, 20));
    }
    EXPECT_EQ(seen.defaultId, expected.defaultId);
  }
}

TEST(MessageDialog, EscapeCancelsTheThreeWayQuestionButCannotDismissAYesNoQuestion) {
  testing::ModalAnswers answers;
  answers.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  EXPECT_EQ(ShowMessage(QStringLiteral("Save?"), nullptr, MessageKind::YesNoCancel), MessageAnswer::Cancel);

  answers.then([](QWidget* dialog) {
    static_cast<QDialog*>(dialog)->reject();
    EXPECT_TRUE(dialog->isVisible());
    testing::ClickControl(dialog, kAnswerYes);
  });
  EXPECT_EQ(ShowMessage(QStringLiteral("Replace?"), nullptr, MessageKind::YesNo), MessageAnswer::Yes);

  // Ended without any button, as when the program closes its windows: no Yes.
  answers.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->done(QDialog::Rejected); });
  EXPECT_EQ(ShowMessage(QStringLiteral("Restore?"), nullptr, MessageKind::YesNo), MessageAnswer::Cancel);
  EXPECT_EQ(answers.pending(), 0);
}

}  // namespace
}  // namespace rv
