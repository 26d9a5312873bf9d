#include <QElapsedTimer>
#include <QScrollBar>
#include <iostream>

#include "data_tab_fixture.h"
#include "sheet/ui/grid_geometry.h"

namespace rv::testing {
namespace {

// A sheet of `rows` rows with values in its first row, half-way down and in
// row `lastDataRow`.
class LongSheetTest : public DataTabTest {
 protected:
  void loadLongSheet(int rows, int lastDataRow) {
    document.sheet = DataSheet();
    document.sheet.cells.ensureRows(rows);
    document.sheet.cell(0, 0) = 1.0;
    document.sheet.cell(lastDataRow / 2, 3) = 2.5;
    document.sheet.cell(lastDataRow, 0) = 7.0;
    tab->reloadFromDocument();
  }

  QScrollBar* verticalBar() const { return tab->grid()->verticalScrollBar(); }

  bool currentCellInView() const {
    // The first column starts one pixel left of the grid, at its boundary -1.
    const QRect visible = tab->grid()->viewport()->rect().adjusted(-1, 0, 0, 0);
    return visible.contains(tab->grid()->visualCellRect(current()));
  }

  // Some pixel of the cell is drawn in the text colour, not all in the background's.
  bool cellShowsText(CellPosition cell) const {
    const QImage image = tab->grid()->viewport()->grab().toImage();
    const QRect rect = tab->grid()->visualCellRect(cell).adjusted(kCellTextMargin, 2, -2, -2);
    const QRgb background = tab->grid()->palette().color(QPalette::Base).rgb();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        if (image.rect().contains(x, y) && image.pixel(x, y) != background) return true;
    return false;
  }
};

using LongSheetTiming = LongSheetTest;

TEST_F(LongSheetTest, TheGridReachesRow100000ByCtrlEndAndTheScrollBarAndEditsItThere) {
  loadLongSheet(kMaxSheetRows, kMaxSheetRows - 1);
  GridHeader* strip = tab->rowStrip();
  EXPECT_GE(strip->width(), strip->fontMetrics().horizontalAdvance(QStringLiteral("100000")) + 2);
  EXPECT_EQ(tab->grid()->x(), strip->geometry().right() + 1);

  key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(current(), (CellPosition{kMaxSheetRows - 1, 0}));
  EXPECT_EQ(verticalBar()->value(), verticalBar()->maximum());
  EXPECT_TRUE(currentCellInView());
  EXPECT_TRUE(cellShowsText(current()));
  EXPECT_EQ(tab->nameBox()->text(), "Y - 100000");
  EXPECT_TRUE(strip->rect().contains(strip->itemRect(kMaxSheetRows - 1).center()));

  type("42");
  key(Qt::Key_Down);  // the longest sheet takes no further row
  EXPECT_EQ(value(kMaxSheetRows - 1, 0), 42.0);
  EXPECT_EQ(document.sheet.cells.rowCount(), kMaxSheetRows);
  EXPECT_EQ(current(), (CellPosition{kMaxSheetRows - 1, 0}));

  key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  EXPECT_EQ(verticalBar()->value(), 0);

  // Scrolled by the bar, the last row is there to click, shift-click and drag.
  verticalBar()->setValue(verticalBar()->maximum());
  QWidget* viewport = tab->grid()->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre({kMaxSheetRows - 1, 2}));
  EXPECT_EQ(current(), (CellPosition{kMaxSheetRows - 1, 2}));
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre({kMaxSheetRows - 6, 5}));
  EXPECT_EQ(current(), (CellPosition{kMaxSheetRows - 1, 2}));
  EXPECT_EQ(tab->actedOnRange(), (CellRange{kMaxSheetRows - 6, 2, kMaxSheetRows - 1, 5}));
  dragCells({kMaxSheetRows - 3, 1}, {kMaxSheetRows - 1, 0});
  EXPECT_EQ(tab->actedOnRange(), (CellRange{kMaxSheetRows - 3, 0, kMaxSheetRows - 1, 1}));

  // The row strip selects, and Insert, Delete and Paste act on, the rows there.
  QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->itemRect(kMaxSheetRows - 1).center());
  QTest::mouseClick(strip, Qt::LeftButton, Qt::ShiftModifier, strip->itemRect(kMaxSheetRows - 4).center());
  EXPECT_EQ(tab->actedOnRange(), (CellRange{kMaxSheetRows - 4, 0, kMaxSheetRows - 1, 16}));
  dispatch(37);
  ASSERT_TRUE(std::holds_alternative<RowInserted>(edits.back()));
  EXPECT_EQ(std::get<RowInserted>(edits.back()).row, kMaxSheetRows - 1);
  dispatch(38);
  ASSERT_TRUE(std::holds_alternative<RowDeleted>(edits.back()));
  EXPECT_EQ(std::get<RowDeleted>(edits.back()).row, kMaxSheetRows - 1);
  GridHeader* header = tab->columnHeader();
  QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, header->itemRect(3).center());
  EXPECT_EQ(tab->actedOnRange(), (CellRange{0, 3, kMaxSheetRows - 1, 3}));
  pressCell({kMaxSheetRows - 1, 4});
  releaseAt({kMaxSheetRows - 1, 4});
  QApplication::clipboard()->setText(QStringLiteral("6\r\n"));
  dispatch(31);
  ASSERT_TRUE(std::holds_alternative<TextPasted>(edits.back()));
  EXPECT_EQ(std::get<TextPasted>(edits.back()).start, (CellPosition{kMaxSheetRows - 1, 4}));
}

struct LongMove {
  int rows;
  int lastDataRow;
  CellPosition from;
  QString typed;
  int key;
  Qt::KeyboardModifiers modifiers;
  CellPosition to;
  int rowsAfter;
};

TEST_F(LongSheetTest, EveryMoveReachesEveryRowAndDownFromTheLastRowAddsOne) {
  document.options.moveSelectionAfterEnter = 2;
  const int last = kMaxSheetRows - 1;
  const LongMove moves[] = {
      {99, 50, {98, 5}, "", Qt::Key_Down, Qt::NoModifier, {99, 5}, 100},
      {99, 50, {98, 5}, "3", Qt::Key_Return, Qt::NoModifier, {99, 5}, 100},
      {99, 50, {98, 5}, "", Qt::Key_PageDown, Qt::NoModifier, {98, 5}, 99},
      {99, 50, {98, 5}, "", Qt::Key_Tab, Qt::NoModifier, {98, 6}, 99},
      {99, 50, {30, 5}, "", Qt::Key_End, Qt::ControlModifier, {50, 5}, 99},
      {150, 149, {149, 0}, "", Qt::Key_Down, Qt::NoModifier, {150, 0}, 151},
      {150, 120, {4, 2}, "9", Qt::Key_End, Qt::ControlModifier, {120, 2}, 150},
      {150, 120, {149, 2}, "9", Qt::Key_End, Qt::ControlModifier, {149, 2}, 150},
      {kMaxSheetRows, last, {50000, 5}, "", Qt::Key_PageDown, Qt::NoModifier, {50008, 5}, kMaxSheetRows},
      {kMaxSheetRows, last, {50000, 5}, "", Qt::Key_PageUp, Qt::NoModifier, {49992, 5}, kMaxSheetRows},
      {kMaxSheetRows, last, {last - 3, 5}, "", Qt::Key_PageDown, Qt::NoModifier, {last, 5}, kMaxSheetRows},
      {kMaxSheetRows, last, {last, 5}, "", Qt::Key_Up, Qt::NoModifier, {last - 1, 5}, kMaxSheetRows},
      {kMaxSheetRows, last, {last, 5}, "1", Qt::Key_Return, Qt::NoModifier, {last, 5}, kMaxSheetRows},
      {kMaxSheetRows, 60000, {70000, 9}, "", Qt::Key_End, Qt::ControlModifier, {60000, 9}, kMaxSheetRows},
      {kMaxSheetRows, last, {70000, 9}, "", Qt::Key_Home, Qt::ControlModifier, {0, 0}, kMaxSheetRows},
  };
  for (const LongMove& move : moves) {
    loadLongSheet(move.rows, move.lastDataRow);
    pressCell(move.from);
    releaseAt(move.from);
    ASSERT_EQ(current(), move.from);
    type(move.typed);
    key(move.key, move.modifiers);
    const std::string where = "key " + std::to_string(move.key) + " from row " + std::to_string(move.from.row);
    EXPECT_EQ(current(), move.to) << where;
    EXPECT_EQ(document.sheet.cells.rowCount(), move.rowsAfter) << where;
    EXPECT_TRUE(currentCellInView()) << where;
    EXPECT_EQ(tab->nameBox()->text(), QStringLiteral("%1 - %2")
                                          .arg(QString::fromStdString(document.sheet.names[move.to.column]))
                                          .arg(move.to.row + 1))
        << where;
    if (!move.typed.isEmpty()) EXPECT_EQ(value(move.from.row, move.from.column), move.typed.toDouble()) << where;
  }

  // Undo may take the added row back while the current cell stands on it.
  loadLongSheet(99, 50);
  pressCell({98, 5});
  key(Qt::Key_Down);
  ASSERT_EQ(current(), (CellPosition{99, 5}));
  document.sheet.cells = SheetValues();
  tab->showSheet();
  EXPECT_EQ(current(), (CellPosition{98, 5}));
  EXPECT_EQ(tab->nameBox()->text(), "X5 - 99");
}

TEST_F(LongSheetTest, ASheetThatFitsKeepsTheNarrowRowStripAndALongerOneWidensIt) {
  const int narrow = tab->rowStrip()->width();
  const int gridLeft = tab->grid()->x();
  loadLongSheet(999, 998);
  EXPECT_EQ(tab->rowStrip()->width(), narrow);
  loadLongSheet(1000, 10);
  EXPECT_GT(tab->rowStrip()->width(), narrow);
  loadLongSheet(kMaxSheetRows, 10);
  EXPECT_GT(tab->rowStrip()->width(), narrow);
  EXPECT_EQ(tab->grid()->x() - gridLeft, tab->rowStrip()->width() - narrow);
  EXPECT_EQ(tab->grid()->geometry().right(), tab->width() - 6);
  loadLongSheet(99, 10);
  EXPECT_EQ(tab->rowStrip()->width(), narrow);
  EXPECT_EQ(tab->grid()->x(), gridLeft);
}

// Scrolling at row 50,000 repaints a page as fast as at the top of the sheet:
// the grid draws only the rows in view.
TEST_F(LongSheetTiming, ScrollingOneRowAndRepaintingAtRow50000TakesUnder20Milliseconds) {
  document.sheet.cells.ensureRows(kMaxSheetRows);
  for (int r = 49990; r < 50100; ++r)
    for (int c = 0; c < kSheetColumns; ++c) document.sheet.cell(r, c) = r * 0.001 - c;
  tab->reloadFromDocument();
  tab->grid()->ensureVisible({50000, 0});
  constexpr int kSteps = 50;
  QElapsedTimer timer;
  timer.start();
  for (int step = 0; step < kSteps; ++step) {
    verticalBar()->setValue(verticalBar()->value() + kGridRowHeight);
    tab->grid()->viewport()->repaint();
    tab->rowStrip()->repaint();
  }
  const double perStep = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kSteps;
  std::cout << "one row scrolled and the page repainted at row 50,000: " << perStep << " ms\n";
  EXPECT_LT(perStep, 20.0);
}

}  // namespace
}  // namespace rv::testing
