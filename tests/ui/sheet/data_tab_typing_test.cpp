#include <QLineEdit>

#include "data_tab_fixture.h"
#include "sheet/value_text.h"

namespace rv::testing {
namespace {

using TypingTest = DataTabTest;

TEST_F(TypingTest, TypedTextReplacesTheCellAndIsCommittedWhenTheCellChanges) {
  loadValues([](int, int) { return 7.0; }, 1, 1);
  EXPECT_EQ(tab->nameBox()->text(), "Y - 1");
  EXPECT_EQ(cellText(), "7");
  type("1e3");
  EXPECT_EQ(cellText(), "1e3");
  EXPECT_EQ(entryText(), "1e3");
  EXPECT_TRUE(document.state.modified);
  EXPECT_GT(modifiedSignals, 0);
  EXPECT_EQ(value(0, 0), 7.0);  // not yet committed
  key(Qt::Key_Down);
  EXPECT_EQ(value(0, 0), 1000.0);
  EXPECT_EQ(current(), (CellPosition{1, 0}));
  EXPECT_EQ(tab->nameBox()->text(), "Y - 2");

  type("-");
  key(Qt::Key_Tab);
  EXPECT_EQ(value(1, 0), 0.0);
  EXPECT_EQ(current(), (CellPosition{1, 1}));
  EXPECT_EQ(tab->nameBox()->text(), "X1 - 2");
  EXPECT_EQ(focus(), static_cast<QWidget*>(tab->cellEditor()));  // Tab never leaves the grid

  // Emptying the text empties the cell.
  key(Qt::Key_Up);
  key(Qt::Key_Left);
  EXPECT_EQ(cellText(), "1000");
  key(Qt::Key_Backspace);
  EXPECT_EQ(cellText(), "");
  key(Qt::Key_Down);
  EXPECT_TRUE(IsEmptyValue(value(0, 0)));
}

TEST_F(TypingTest, TheCellShowsItsFormatAndTheEntryLineTheGeneralDisplay) {
  document.sheet.formats[0] = {FormatKind::Scientific, 2};
  loadValues([](int, int) { return 1234.5; }, 1, 1);
  EXPECT_EQ(cellText(), "1.23E+03");
  EXPECT_EQ(entryText(), "1234.5");
}

TEST_F(TypingTest, OnlyTheCharactersOfANumberAreAcceptedUpTo32) {
  type("a1 b,2x");
  EXPECT_EQ(cellText(), "12");
  key(Qt::Key_Down);
  type(QString(40, QLatin1Char('9')));
  EXPECT_EQ(cellText().size(), 32);
  EXPECT_EQ(entryText().size(), 32);
  // Typing in the entry line obeys the same rule and shows in the cell.
  QTest::mouseClick(tab->entryLine(), Qt::LeftButton);
  key(Qt::Key_End);
  key(Qt::Key_Backspace);
  type("E+5z");
  EXPECT_EQ(cellText(), QString(31, QLatin1Char('9')) + "E");
  EXPECT_EQ(entryText(), cellText());
}

TEST_F(TypingTest, NavigationKeysMoveOnReleaseNotOnPress) {
  QTest::keyPress(focus(), Qt::Key_Down);
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  QTest::keyRelease(focus(), Qt::Key_Down);
  EXPECT_EQ(current(), (CellPosition{1, 0}));
}

struct Move {
  CellPosition from;
  int key;
  CellPosition to;
};

TEST_F(TypingTest, EveryNavigationKeyMovesAsTheTableSays) {
  const Move moves[] = {
      {{4, 5}, Qt::Key_Tab, {4, 6}},        {{4, 16}, Qt::Key_Tab, {4, 16}},  {{4, 5}, Qt::Key_Right, {4, 6}},
      {{4, 16}, Qt::Key_Right, {4, 16}},    {{4, 5}, Qt::Key_Left, {4, 4}},   {{4, 0}, Qt::Key_Left, {4, 0}},
      {{4, 5}, Qt::Key_Home, {4, 0}},       {{4, 5}, Qt::Key_End, {4, 16}},   {{4, 5}, Qt::Key_Up, {3, 5}},
      {{0, 5}, Qt::Key_Up, {0, 5}},         {{4, 5}, Qt::Key_Down, {5, 5}},   {{97, 5}, Qt::Key_Down, {98, 5}},
      {{20, 5}, Qt::Key_PageUp, {12, 5}},   {{5, 5}, Qt::Key_PageUp, {0, 5}}, {{20, 5}, Qt::Key_PageDown, {28, 5}},
      {{95, 5}, Qt::Key_PageDown, {98, 5}}, {{4, 5}, Qt::Key_Return, {4, 6}}, {{4, 5}, Qt::Key_Enter, {4, 6}},
  };
  for (const Move& move : moves) {
    pressCell(move.from);
    releaseAt(move.from);
    ASSERT_EQ(current(), move.from);
    key(move.key);
    EXPECT_EQ(current(), move.to) << "key " << move.key << " from " << move.from.row << "," << move.from.column;
    // The grid scrolls the new current cell fully into view (the first
    // column starts one pixel left of the grid, at its boundary -1).
    const QRect visible = tab->grid()->viewport()->rect().adjusted(-1, 0, 0, 0);
    EXPECT_TRUE(visible.contains(tab->grid()->visualCellRect(current()))) << "key " << move.key;
  }
}

TEST_F(TypingTest, EnterMovesByMoveSelectionAfterEnter) {
  const CellPosition expected[] = {{10, 10}, {10, 11}, {11, 10}, {10, 9}, {9, 10}};
  for (int setting = 0; setting <= 4; ++setting) {
    document.options.moveSelectionAfterEnter = setting;
    pressCell({10, 10});
    releaseAt({10, 10});
    type("5");
    key(Qt::Key_Return);
    EXPECT_EQ(current(), expected[setting]) << "setting " << setting;
    EXPECT_EQ(value(10, 10), 5.0);
    document.sheet.cell(10, 10) = EmptyValue;
  }
  // "Left" in column 0 stays in column 0, and "Stay" commits in place.
  document.options.moveSelectionAfterEnter = 3;
  tab->reloadFromDocument();
  type("2");
  key(Qt::Key_Return);
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  EXPECT_EQ(value(0, 0), 2.0);
  type("3");
  EXPECT_EQ(cellText(), "3");  // the next key replaces the cell again
}

TEST_F(TypingTest, EditModeKeepsTheTextAndLetsArrowsMoveTheCaret) {
  loadValues([](int, int) { return 12.5; }, 1, 2);
  key(Qt::Key_F2);  // the main window's accelerator reaches the tab through the editor
  EXPECT_TRUE(tab->editMode());
  type("3");
  EXPECT_EQ(cellText(), "12.53");
  key(Qt::Key_Left);
  key(Qt::Key_Home);
  key(Qt::Key_End);
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  key(Qt::Key_Home);
  type("-");
  EXPECT_EQ(cellText(), "-12.53");
  key(Qt::Key_Tab);
  EXPECT_FALSE(tab->editMode());
  EXPECT_EQ(value(0, 0), -12.53);
  EXPECT_EQ(current(), (CellPosition{0, 1}));
  key(Qt::Key_Left);
  EXPECT_EQ(current(), (CellPosition{0, 0}));

  // F2 shows the general display in a formatted cell and leaves it by F2 again.
  key(Qt::Key_F2);
  EXPECT_EQ(cellText(), "-12.53");
  key(Qt::Key_F2);
  EXPECT_FALSE(tab->editMode());
  key(Qt::Key_Right);
  EXPECT_EQ(current(), (CellPosition{0, 1}));
}

TEST_F(TypingTest, TheEntryLineEditsTheCurrentCellAndKeepsTheFocusWhenMoving) {
  loadValues([](int r, int) { return r + 1.0; }, 3, 1);
  QTest::mouseClick(tab->entryLine(), Qt::LeftButton);
  EXPECT_EQ(focus(), static_cast<QWidget*>(tab->entryLine()));
  EXPECT_TRUE(tab->editMode());
  key(Qt::Key_End);
  type("5");
  EXPECT_EQ(cellText(), "15");
  key(Qt::Key_Left);  // the caret moves, not the cell
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  key(Qt::Key_Down);
  EXPECT_EQ(value(0, 0), 15.0);
  EXPECT_EQ(current(), (CellPosition{1, 0}));
  EXPECT_EQ(focus(), static_cast<QWidget*>(tab->entryLine()));
  EXPECT_EQ(entryText(), "2");
  type("0");
  key(Qt::Key_Return);
  EXPECT_EQ(value(1, 0), 20.0);
  EXPECT_EQ(current(), (CellPosition{1, 1}));
}

TEST_F(TypingTest, WalkingOverCellsNeverRoundsTheirValues) {
  loadValues([](int, int c) { return c == 0 ? 1.0 / 3.0 : 1.5e-12; }, 1, 2);
  document.state.modified = false;
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  key(Qt::Key_Home);
  key(Qt::Key_Down);
  EXPECT_EQ(value(0, 0), 1.0 / 3.0);
  EXPECT_EQ(value(0, 1), 1.5e-12);
  EXPECT_FALSE(document.state.modified);
}

TEST_F(TypingTest, TypedInfiniteOrOverlongNumbersEmptyTheCell) {
  type("1e999");
  key(Qt::Key_Down);
  EXPECT_TRUE(IsEmptyValue(value(0, 0)));
  type("-3.21e-33");
  key(Qt::Key_Down);
  EXPECT_TRUE(IsEmptyValue(value(1, 0)));
}

TEST_F(TypingTest, CommitPendingEditStoresTheTextBeingTyped) {
  type("42");
  tab->commitPendingEdit();
  EXPECT_EQ(value(0, 0), 42.0);
  EXPECT_EQ(cellText(), "42");
  type("5");
  EXPECT_EQ(cellText(), "425");
}

TEST_F(TypingTest, EveryChangeReachesTheOwnerOnceAsAnEdit) {
  type("5");
  EXPECT_TRUE(edits.empty()) << "typing alone changes no cell";
  key(Qt::Key_Down);
  ASSERT_EQ(edits.size(), 1u);
  const auto* typed = std::get_if<CellTextEntered>(&edits[0]);
  ASSERT_NE(typed, nullptr);
  EXPECT_EQ(typed->cell, (CellPosition{0, 0}));
  EXPECT_EQ(typed->text, "5");

  // A typed text is reported when the keyboard goes elsewhere, and stays as typed.
  type("6.50");
  QLineEdit elsewhere(tab.get());
  elsewhere.show();
  elsewhere.setFocus();
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(value(1, 0), 6.5);
  EXPECT_EQ(cellText(), "6.50");

  tab->clearSelection();
  QApplication::clipboard()->setText("1\t2\r\n");
  tab->paste();
  ASSERT_EQ(edits.size(), 4u);
  EXPECT_EQ(std::get<CellsCleared>(edits[2]).range, (CellRange{1, 0, 1, 0}));
  EXPECT_EQ(std::get<TextPasted>(edits[3]).start, (CellPosition{1, 0}));
  EXPECT_EQ(value(1, 1), 2.0);
}

}  // namespace
}  // namespace rv::testing
