#include <QUndoStack>
#include <cstring>

#include "app/app_fixture.h"
#include "app/sheet_history.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// Ctrl+V on the Data tab as the user pastes from another program.
class PasteTest : public AppTest {
 protected:
  void SetUp() override { startedWindow(); }
  double cell(int row, int column) const { return window->document().sheet.cell(row, column); }
  const std::string& name(int column) const { return window->document().sheet.names[static_cast<size_t>(column)]; }
};

TEST_F(PasteTest, ASpreadsheetsHeadingBecomesNamesOrIsSkippedAndDecimalCommasAreRead) {
  const QString sheet = QStringLiteral("Length\tPeriod\r\nm\ts\r\n0,6343\t1,5975\r\n1,0275\t2,0330\r\n");
  ModalAnswers answers;
  answers.answer(kAnswerYes).answer(kAnswerNo).answer(kAnswerCancel);
  paste(sheet);
  EXPECT_EQ(name(0), "Length");
  EXPECT_EQ(name(1), "Period");
  EXPECT_EQ(cell(0, 0), 0.6343);
  EXPECT_EQ(cell(1, 1), 2.0330);
  EXPECT_EQ(window->history().steps().steps(), 1u);  // names and values are one step

  paste(QStringLiteral("Mass\tTime\r\n7\t8\r\n"));
  EXPECT_EQ(name(0), "Length");
  EXPECT_EQ(cell(0, 0), 7.0);
  paste(QStringLiteral("Mass\tTime\r\n9\t9\r\n"));
  EXPECT_EQ(cell(0, 0), 7.0);
  EXPECT_EQ(window->history().steps().steps(), 2u);
  ASSERT_EQ(answers.messageTexts().size(), 3);
  EXPECT_TRUE(answers.messageTexts()[0].contains("Length, Period")) << answers.messageTexts()[0].toStdString();
  EXPECT_TRUE(answers.messageTexts()[0].endsWith("The line of text below it is skipped either way."));
}

// A field that is no number stops the paste with a message naming it; the
// sheet stays bit for bit as it was and nothing is added to undo.
TEST_F(PasteTest, AFieldThatIsNoNumberIsRefusedWithItsRowAndColumn) {
  window->document().sheet.cell(2, 1) = 0.1;
  const DataSheet before = window->document().sheet;
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  paste(QString::fromUtf8("1\t2\n3\t3\xc3\xa9\n5\t6\n"));
  EXPECT_TRUE(SameBits(window->document().sheet.cells, before.cells));
  EXPECT_EQ(window->history().steps().steps(), 0u);
  ASSERT_EQ(answers.messageTexts().size(), 1);
  EXPECT_EQ(answers.messageTexts()[0], "Nothing was pasted: '3\xc3\xa9' for row 2, column X1 is not a number.");
  EXPECT_EQ(answers.dialogNames()[0], "MSGDLG4");
}

TEST_F(PasteTest, WhatDidNotFitIsToldInAMessageWhole) {
  QString text;
  for (int r = 0; r < 100; ++r) {
    for (int c = 0; c < 18; ++c) text += QString::number(r * 18 + c) + (c < 17 ? "\t" : "\r\n");
  }
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  paste(text);
  EXPECT_EQ(cell(99, 16), 99 * 18 + 16);
  ASSERT_EQ(answers.messageTexts().size(), 1);
  EXPECT_EQ(answers.messageTexts()[0], "Pasted 100 of 100 rows and 17 of 18 columns; the rest did not fit.");
}

}  // namespace
}  // namespace rv::testing
