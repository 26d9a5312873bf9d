#include "regress/ui/left_out_notice.h"

#include <QLabel>

#include "regress/equations_fixture.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

class LeftOutNoticeTest : public EquationsTest {};

// A 13-row sheet as a spreadsheet exports it, with an empty row after the
// sixth point and X3 empty in the sixth: the Equations tab says what takes
// no part before and after a search, and Start asks once whether to go on.
TEST_F(LeftOutNoticeTest, RowsAndVariablesLeftOutAreSaidAndStartAsksOnce) {
  const double e = EmptyValue;
  std::vector<std::vector<double>> sheet;
  sheet.reserve(13);
  for (int r = 0; r < 13; ++r) sheet.push_back({1.0 + r * r, 1.0 + r, 2.0 + r % 3, r == 5 ? e : 3.0 + r % 4});
  sheet[6] = {e, e, e, e};
  startWithRows(sheet);
  const LeftOutNotice& notice = *tab().leftOutNotice();
  EXPECT_FALSE(notice.isHidden());
  EXPECT_EQ(notice.text(), "Rows 7 to 13 take no part: Y is empty in row 7.\nX3 takes no part: it is empty in row 6.");

  answers.answer(kAnswerNo);
  window->runCommand(command::kCalculate);
  EXPECT_FALSE(tab().searchRunning());
  EXPECT_EQ(rows(), 0);
  answers.answer(kAnswerYes);
  search();
  EXPECT_GT(rows(), 0);
  search();  // asked once for this sheet
  EXPECT_EQ(answers.messageTexts().size(), 2);
  EXPECT_TRUE(answers.messageTexts()[0].startsWith("Rows 7 to 13 take no part: Y is empty in row 7, and a search"))
      << answers.messageTexts()[0].toStdString();
  EXPECT_TRUE(answers.messageTexts()[0].endsWith("Search the first 6 rows anyway?"));
  EXPECT_FALSE(notice.isHidden());
  EXPECT_GT(notice.height(), 0);

  // A new sheet, where nothing is left out, shows no line.
  answers.answer(kAnswerNo);  // do not save the changes
  window->runCommand(command::kNew);
  window->runCommand(command::kShowEquations);
  EXPECT_TRUE(notice.isHidden());
}

// A point still being typed in (its X without its Y, nothing below) is
// said on the line, but Start does not ask about it.
TEST_F(LeftOutNoticeTest, APointBeingTypedInIsSaidButNotAskedAbout) {
  startWithRows({{3, 1}, {5, 2}, {7, 3}, {EmptyValue, 4}});
  EXPECT_EQ(tab().leftOutNotice()->text(), "Row 4 takes no part: Y is empty in it.");
  search();
  EXPECT_GT(rows(), 0);
  EXPECT_TRUE(answers.messageTexts().isEmpty());
}

// A search in which no X variable would take part is not started; the
// message says why and what to change.
TEST_F(LeftOutNoticeTest, ASearchWithoutAnXVariableSaysWhyInsteadOfListingNothing) {
  startWithRows({{3, EmptyValue, 1}, {5, 2, 2}, {7, 3, 3}});
  EXPECT_EQ(tab().leftOutNotice()->text(),
            "X1 takes no part: it is empty in row 1.\nX2 takes no part: it comes after X1, which is empty in row 1.");
  answers.answer(kAnswerOk);
  window->runCommand(command::kCalculate);
  EXPECT_FALSE(tab().searchRunning());
  EXPECT_EQ(rows(), 0);
  ASSERT_EQ(answers.messageTexts().size(), 1);
  EXPECT_EQ(answers.messageTexts()[0].toStdString(),
            "No X variable takes part: X1 is empty in row 1, and a search uses only the X variables before the first "
            "one with an empty cell. Fill X1 in every row, or move a variable without empty cells into X1.");
}

}  // namespace
}  // namespace rv::testing
