#include <QElapsedTimer>
#include <QScrollBar>
#include <QToolButton>

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

TEST_F(ClipboardTest, PastesTextAsSpreadsheetsAndEditorsPutItOnTheClipboard) {
  // A spreadsheet: LF line ends with one after the last row.
  SetClipboardText("1\t2\n3\t4\n");
  tab->paste();
  EXPECT_EQ(value(0, 0), 1.0);
  EXPECT_EQ(value(1, 1), 4.0);
  EXPECT_TRUE(IsEmptyValue(value(2, 0)));
  EXPECT_TRUE(document.state.modified);

  // A text editor: no line end after the last line.
  pressCell({10, 2});
  releaseAt({10, 2});
  SetClipboardText("5.5\n6");
  tab->paste();
  EXPECT_EQ(value(10, 2), 5.5);
  EXPECT_EQ(value(11, 2), 6.0);
  EXPECT_EQ(entryText(), "5.5");

  // One value copied from another program goes into the current cell.
  key(Qt::Key_Down);
  SetClipboardText("7.25");
  tab->paste();
  EXPECT_EQ(value(11, 2), 7.25);
  EXPECT_EQ(cellText(), "7.25");
}

// An empty field or a missing marker empties its cell; text that is no
// finite number refuses the whole paste.
TEST_F(ClipboardTest, PasteEmptiesCellsOfEmptyFieldsAndRefusesInfiniteOrNotANumberText) {
  loadValues([](int, int) { return 9.0; }, 2, 4);
  SetClipboardText("1\tNA\t3\r\n");
  tab->paste();
  EXPECT_EQ(value(0, 0), 1.0);
  EXPECT_TRUE(IsEmptyValue(value(0, 1)));
  EXPECT_EQ(value(0, 2), 3.0);
  EXPECT_EQ(value(0, 3), 9.0);
  for (const char* text : {"5\t1e999\r\n", "5\tinf\r\n", "5\tabc\r\n", "5\t0x10\r\n"}) {
    SetClipboardText(text);
    tab->paste();
    EXPECT_EQ(value(0, 0), 1.0) << text;
    EXPECT_TRUE(IsEmptyValue(value(0, 1))) << text;
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

TEST_F(ClipboardTest, PasteIntoARangeStartsAtItsAnchorAndFillsOnlyHighlightedCells) {
  dragCells({1, 1}, {2, 2});
  SetClipboardText("1\t2\t3\n4\t5\t6\n7\t8\t9\n");
  tab->paste();
  EXPECT_EQ(value(1, 1), 1.0);
  EXPECT_EQ(value(2, 2), 5.0);
  EXPECT_TRUE(IsEmptyValue(value(1, 3)));
  EXPECT_TRUE(IsEmptyValue(value(3, 1)));
}

TEST_F(ClipboardTest, PasteWithoutTextChangesNothing) {
  loadValues([](int, int) { return 2.0; }, 1, 1);
  document.state.modified = false;
  tab->paste();
  EXPECT_EQ(value(0, 0), 2.0);
  EXPECT_FALSE(document.state.modified);
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
