#include <QElapsedTimer>
#include <QScrollBar>
#include <QToolButton>
#include <vector>

#include "data_tab_fixture.h"
#include "sheet/clipboard_text.h"
#include "support/modal_answers.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

using ClipboardTest = DataTabTest;
using ClipboardTiming = DataTabTest;
using SelectionTest = DataTabTest;

QString ClipboardText() { return QApplication::clipboard()->text(); }
void SetClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

TEST_F(ClipboardTest, CopyOfASelectionDraggedUpwardHoldsItsRowsTopToBottom) {
  loadValues([](int r, int c) { return r + c / 4.0; }, 7, 2);
  document.sheet.cell(3, 1) = EmptyValue;
  dragCells({5, 0}, {2, 1});
  EXPECT_TRUE(tab->hasRangeSelection());
  EXPECT_EQ(tab->actedOnRange(), (CellRange{2, 0, 5, 1}));
  EXPECT_EQ(current(), (CellPosition{5, 0}));
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(),
            "2.000000000000\t2.250000000000\r\n"
            "3.000000000000\t\r\n"
            "4.000000000000\t4.250000000000\r\n"
            "5.000000000000\t5.250000000000\r\n");
}

TEST_F(ClipboardTest, WithoutARangeTheCurrentCellIsCopiedAndAOneCellDragIsNoRange) {
  loadValues([](int, int) { return -0.5; }, 2, 2);
  dragCells({1, 1}, {1, 1});
  EXPECT_FALSE(tab->hasRangeSelection());
  tab->copySelection();
  EXPECT_EQ(ClipboardText(), "-0.500000000000\r\n");
  // A move ends a range selection.
  dragCells({0, 0}, {1, 1});
  key(Qt::Key_Down);
  EXPECT_FALSE(tab->hasRangeSelection());
}

// A paste writes from the current cell, or from a range's anchor into the
// range only. A spreadsheet ends every row with a line end, a text editor not
// the last, and one value copied from another program has none. An empty
// field or a missing marker empties its cell; text that is no finite number
// refuses the whole paste, as an empty clipboard changes nothing.
TEST_F(ClipboardTest, PasteWritesFromTheCurrentCellOrRangeAndRefusesTextThatIsNoNumber) {
  const double e = EmptyValue;
  struct Cell {
    int row, column;
    double value;
  };
  const struct {
    const char* name;
    CellPosition from, to;  // the current cell, or the range dragged
    const char* text;       // nothing: an empty clipboard
    const char* shown;      // by the current cell and the entry line
    std::vector<Cell> after;
  } cases[] = {
      {"spreadsheet", {0, 0}, {0, 0}, "1\t2\n3\t4\n", "1", {{0, 0, 1}, {1, 1, 4}, {0, 2, 9}, {2, 0, e}}},
      {"text editor", {10, 2}, {10, 2}, "5.5\n6", "5.5", {{10, 2, 5.5}, {11, 2, 6}, {12, 2, e}}},
      {"one value", {11, 2}, {11, 2}, "7.25", "7.25", {{11, 2, 7.25}, {12, 2, e}}},
      {"empty fields", {0, 0}, {0, 0}, "1\tNA\t3\r\n", "1", {{0, 0, 1}, {0, 1, e}, {0, 2, 3}, {0, 3, 9}}},
      {"range", {1, 1}, {2, 2}, "1\t2\t3\n4\t5\t6\n7\t8\t9\n", "1", {{1, 1, 1}, {2, 2, 5}, {1, 3, 9}, {3, 1, e}}},
      {"infinite", {0, 0}, {0, 0}, "5\t1e999\r\n", "9", {{0, 0, 9}, {0, 1, 9}}},
      {"infinity", {0, 0}, {0, 0}, "5\tinf\r\n", "9", {{0, 0, 9}, {0, 1, 9}}},
      {"letters", {0, 0}, {0, 0}, "5\tabc\r\n", "9", {{0, 0, 9}, {0, 1, 9}}},
      {"hexadecimal", {0, 0}, {0, 0}, "5\t0x10\r\n", "9", {{0, 0, 9}, {0, 1, 9}}},
      {"empty clipboard", {0, 0}, {0, 0}, nullptr, "9", {{0, 0, 9}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    document.sheet = DataSheet();
    loadValues([](int, int) { return 9.0; }, 2, 4);
    document.state.modified = false;
    edits.clear();
    dragCells(c.from, c.to);
    if (c.text != nullptr) SetClipboardText(QString::fromLatin1(c.text));
    else QApplication::clipboard()->clear();
    tab->paste();
    for (const Cell& cell : c.after) {
      if (IsEmptyValue(cell.value))
        EXPECT_TRUE(IsEmptyValue(value(cell.row, cell.column))) << cell.row << "," << cell.column;
      else EXPECT_EQ(value(cell.row, cell.column), cell.value) << cell.row << "," << cell.column;
    }
    // The tab reports a paste to the owner as one edit, which applies or refuses it.
    EXPECT_EQ(edits.size(), c.text != nullptr ? 1U : 0U);
    if (c.text == nullptr) EXPECT_FALSE(document.state.modified);
    EXPECT_EQ(cellText(), c.shown);
    EXPECT_EQ(entryText(), c.shown);
  }
}

// Counts such as 1,306 may have a thousands comma or a decimal comma: the
// paste asks, each button naming its number, and Cancel pastes nothing.
// A tiny value pasted shows in scientific form, never as 0.
TEST_F(ClipboardTest, ANumberInDoubtIsAskedAboutAndATinyOneNeverShowsAsZero) {
  SetClipboardText("1,306\t687\r\n");
  ModalAnswers answers;
  answers.answer(kAnswerCancel).answer(kAnswerYes).answer(kAnswerNo);
  tab->paste();
  EXPECT_TRUE(IsEmptyValue(value(0, 0)));
  tab->paste();
  EXPECT_EQ(value(0, 0), 1306.0);
  tab->paste();
  EXPECT_EQ(value(0, 0), 1.306);
  EXPECT_EQ(value(0, 1), 687.0);
  ASSERT_EQ(answers.messageTexts().size(), 3);
  EXPECT_EQ(answers.messageTexts()[0].toStdString(),
            "The pasted numbers can be read in two ways: '1,306' may be 1306 or 1.306.\n\nWhich is meant?");

  SetClipboardText("1.602176634e-19\r\n");
  tab->paste();
  EXPECT_EQ(cellText(), "1.602176634E-19");
  EXPECT_EQ(entryText(), "1.602176634E-19");
  EXPECT_EQ(value(0, 0), 1.602176634e-19);
}

TEST_F(ClipboardTiming, AFullSheetPastesAndRedrawsWellUnder100Milliseconds) {
  DataSheet source;
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) source.cell(r, c) = (r * kSheetColumns + c) * 0.125 - 50.0;
  SetClipboardText(QString::fromStdString(CopyText(source.cells, CellRange::WholeSheet())));
  QElapsedTimer timer;
  timer.start();
  tab->paste();
  tab->repaint();
  const qint64 elapsed = timer.elapsed();
  std::cout << "full-sheet paste and redraw: " << elapsed << " ms\n";
  EXPECT_LT(elapsed, 100);
  EXPECT_EQ(document.sheet.cells, source.cells);
}

TEST_F(SelectionTest, SelectAllSelectsTheRectangleOfEveryValue) {
  tab->selectAll();
  EXPECT_FALSE(tab->hasRangeSelection());
  document.sheet.cell(3, 2) = 1.0;
  document.sheet.cell(7, 5) = 2.0;
  tab->selectAll();
  EXPECT_TRUE(tab->hasRangeSelection());
  EXPECT_EQ(tab->actedOnRange(), (CellRange{3, 2, 7, 5}));
  EXPECT_EQ(tab->grid()->highlight(), (CellRange{3, 2, 7, 5}));
  // The square left of the column header does the same.
  tab->endRangeSelection();
  tab->findChild<QToolButton*>("SelectAllCorner")->click();
  EXPECT_EQ(tab->actedOnRange(), (CellRange{3, 2, 7, 5}));
}

TEST_F(ClipboardTest, CutCopiesThenClearsAndClearEmptiesTheEntryLine) {
  loadValues([](int r, int c) { return 10.0 * r + c; }, 3, 3);
  dragCells({0, 0}, {1, 1});
  tab->cutSelection();
  EXPECT_EQ(ClipboardText(), "0.000000000000\t1.000000000000\r\n10.000000000000\t11.000000000000\r\n");
  EXPECT_TRUE(IsEmptyValue(value(0, 0)));
  EXPECT_TRUE(IsEmptyValue(value(1, 1)));
  EXPECT_EQ(value(2, 2), 22.0);
  EXPECT_EQ(entryText(), "");
  EXPECT_EQ(cellText(), "");
}

TEST_F(SelectionTest, HeaderClicksSelectWholeColumnsAndRows) {
  GridHeader* header = tab->columnHeader();
  QTest::mousePress(header, Qt::LeftButton, Qt::NoModifier, header->itemRect(2).center());
  QTest::mouseMove(header, header->itemRect(4).center());
  QTest::mouseRelease(header, Qt::LeftButton, Qt::NoModifier, header->itemRect(4).center());
  EXPECT_EQ(current(), (CellPosition{0, 2}));
  EXPECT_EQ(tab->actedOnRange(), (CellRange{0, 2, 98, 4}));

  GridHeader* strip = tab->rowStrip();
  QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->itemRect(6).center());
  EXPECT_EQ(current(), (CellPosition{6, 0}));
  EXPECT_EQ(tab->actedOnRange(), (CellRange{6, 0, 6, 16}));
}

TEST_F(SelectionTest, DraggingNearTheRightEdgeScrollsTheGridAndExtendsTheRange) {
  pressCell({2, 1});
  QWidget* viewport = tab->grid()->viewport();
  const QPoint nearRight(viewport->width() - 10, cellCentre({4, 1}).y());
  const int columnUnderPointer = tab->grid()->cellAt(nearRight).column;
  QTest::mouseMove(viewport, nearRight);
  QTest::qWait(350);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, nearRight);
  EXPECT_GT(tab->grid()->horizontalScrollBar()->value(), 0);
  const CellRange range = tab->actedOnRange();
  EXPECT_EQ(range.top, 2);
  EXPECT_EQ(range.left, 1);
  EXPECT_EQ(range.bottom, 4);
  EXPECT_GT(range.right, columnUnderPointer);
  EXPECT_EQ(tab->columnHeader()->itemRect(range.right).left(), tab->grid()->visualCellRect({0, range.right}).left());
}

}  // namespace
}  // namespace rv::testing
