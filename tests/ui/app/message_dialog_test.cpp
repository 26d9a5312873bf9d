#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

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

TEST(MessageDialog, OneLineTextSizesTheDialogAndCentresOneButton) {
  const QString text = QStringLiteral("First draw the graph to print.");
  int result = 0;
  const SeenDialog seen = ShowAndMeasure(text, MessageKind::Information, kAnswerOk, &result);
  const int w = LongestLineWidth(text);
  const int h = kCaptionHeight + 13;
  EXPECT_EQ(result, kAnswerOk);
  EXPECT_EQ(seen.size, QSize(w + 112, h + 76 - kCaptionHeight));
  EXPECT_EQ(seen.text, QRect(60, 14, w + 40, h + 2));
  ASSERT_EQ(seen.buttons.size(), 1u);
  EXPECT_EQ(seen.buttons[0].second, QRect((w + 112) / 2 - 38, h + 16, 76, 20));
  EXPECT_EQ(seen.defaultId, kAnswerOk);
}

TEST(MessageDialog, TwoLineTextIsAsWideAsItsLongestLine) {
  for (const QString& text : {QStringLiteral("The data file has been corrupted\nyou need to reenter your data."),
                              QStringLiteral("Short\nA much longer second line of text")}) {
    int result = 0;
    const SeenDialog seen = ShowAndMeasure(text, MessageKind::Error, kAnswerOk, &result);
    const int w = LongestLineWidth(text);
    EXPECT_EQ(seen.size.width(), w + 112) << text.toStdString();
    EXPECT_EQ(seen.text.width(), w + 40);
    EXPECT_EQ(seen.size.height(), 26 + 76);
    EXPECT_EQ(seen.text.height(), kCaptionHeight + 26 + 2);
  }
}

TEST(MessageDialog, QuestionsPlaceTheirButtonsAroundTheCentreAndReturnTheClickedAnswer) {
  const QString text = QStringLiteral("Do you want to save the changes in 'Untitled'?");
  const int x0 = (LongestLineWidth(text) + 112) / 2;
  for (int answer : {kAnswerYes, kAnswerNo, kAnswerCancel}) {
    int result = 0;
    const SeenDialog seen = ShowAndMeasure(text, MessageKind::YesNoCancel, answer, &result);
    EXPECT_EQ(result, answer);
    ASSERT_EQ(seen.buttons.size(), 3u);
    EXPECT_EQ(seen.buttons[0].first, kAnswerYes);
    EXPECT_EQ(seen.buttons[0].second.x(), x0 - 118);
    EXPECT_EQ(seen.buttons[1].first, kAnswerNo);
    EXPECT_EQ(seen.buttons[1].second.x(), x0 - 38);
    EXPECT_EQ(seen.buttons[2].first, kAnswerCancel);
    EXPECT_EQ(seen.buttons[2].second.x(), x0 + 42);
    EXPECT_EQ(seen.defaultId, 0) << "the three-way question has no default button";
  }
  int result = 0;
  const SeenDialog seen = ShowAndMeasure(text, MessageKind::YesNo, kAnswerNo, &result);
  EXPECT_EQ(result, kAnswerNo);
  ASSERT_EQ(seen.buttons.size(), 2u);
  EXPECT_EQ(seen.buttons[0].second.x(), x0 - 78);
  EXPECT_EQ(seen.buttons[1].second.x(), x0 + 2);
  EXPECT_EQ(seen.defaultId, kAnswerYes);
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
