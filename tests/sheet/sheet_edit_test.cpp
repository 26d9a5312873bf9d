#include <gtest/gtest.h>

#include <tuple>

#include "sheet/graph_range.h"
#include "sheet/row_column_edit.h"
#include "sheet/scale_variable.h"
#include "sheet/select_all.h"
#include "sheet/sheet_navigation.h"
#include "sheet/value_text.h"

namespace rv {
namespace {

void FillSheet(DataSheet& sheet) {
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) sheet.cell(r, c) = 100.0 * r + c;
}

TEST(RowEdit, DeletingRowZeroMovesEveryRowUpAndEmptiesTheLast) {
  DataSheet sheet;
  FillSheet(sheet);
  DeleteRow(sheet, 0);
  for (int r = 0; r < kSheetRows - 1; ++r) ASSERT_EQ(sheet.cell(r, 3), 100.0 * (r + 1) + 3);
  for (int c = 0; c < kSheetColumns; ++c) EXPECT_TRUE(IsEmptyValue(sheet.cell(98, c)));
}

// An inserted row opens up empty and pushes the rows below it down. When the
// last row is empty the sheet keeps its rows, as a sheet of 99 always did;
// when it holds data the sheet grows, and at 100,000 rows it is refused.
TEST(RowEdit, InsertingARowGrowsTheSheetRatherThanLoseTheLastRow) {
  const struct {
    int rows;       // rows filled from the top
    int sheetRows;  // rows of the sheet
    int inserted;
    bool done;
    int rowsAfter;
  } cases[] = {
      {50, kSheetRows, 40, true, kSheetRows},
      {kSheetRows, kSheetRows, 40, true, 100},
      {kSheetRows, kSheetRows, 98, true, 100},
      {1000, 1000, 0, true, 1001},
      {500, 1000, 0, true, 1000},
      {kMaxSheetRows, kMaxSheetRows, 5, false, kMaxSheetRows},
      {20, kSheetRows, 99, true, kSheetRows},  // below the sheet: nothing to move
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rows << " of " << c.sheetRows << " at " << c.inserted);
    DataSheet sheet;
    sheet.cells.ensureRows(c.sheetRows);
    for (int r = 0; r < c.rows; ++r) sheet.cell(r, 3) = r;
    const DataSheet before = sheet;
    EXPECT_EQ(InsertRow(sheet, c.inserted), c.done);
    EXPECT_EQ(sheet.cells.rowCount(), c.rowsAfter);
    if (!c.done || c.inserted >= c.sheetRows) {
      EXPECT_TRUE(SameBits(sheet.cells, before.cells));
      continue;
    }
    for (int r = 0; r < c.rows; ++r) ASSERT_EQ(sheet.cell(r < c.inserted ? r : r + 1, 3), r);
    EXPECT_TRUE(IsEmptyValue(sheet.cell(c.inserted, 3)));
    EXPECT_EQ(LastRowWithData(sheet.cells), c.rows);
  }
}

TEST(ColumnEdit, WidthsAndFormatsTravelWithTheirColumnsButNamesStay) {
  DataSheet sheet;
  FillSheet(sheet);
  sheet.names[3] = "Temp";
  sheet.formats[3] = {FormatKind::Scientific, 4};
  SetColumnWidth(sheet, 3, 120);
  SetColumnWidth(sheet, 16, 50);

  InsertColumn(sheet, 2);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(7, 2)));
  EXPECT_EQ(sheet.cell(7, 3), 702.0);
  EXPECT_EQ(sheet.cell(7, 4), 703.0);
  EXPECT_EQ(sheet.cell(7, 16), 715.0);
  EXPECT_EQ(sheet.columnWidth(4), 120);
  EXPECT_EQ(sheet.columnWidth(2), 80);
  EXPECT_EQ(sheet.columnWidth(16), 80);  // the old X16 and its width are gone
  EXPECT_EQ(sheet.formats[4], (ColumnFormat{FormatKind::Scientific, 4}));
  EXPECT_EQ(sheet.formats[3], ColumnFormat{});
  EXPECT_EQ(sheet.names[3], "Temp");
  EXPECT_EQ(sheet.columnBoundaries[0], -1);
  EXPECT_EQ(sheet.columnBoundaries[17], -1 + 16 * 80 + 120);

  DeleteColumn(sheet, 0);
  EXPECT_EQ(sheet.cell(7, 0), 701.0);
  EXPECT_EQ(sheet.columnWidth(3), 120);
  EXPECT_EQ(sheet.formats[3], (ColumnFormat{FormatKind::Scientific, 4}));
  EXPECT_TRUE(IsEmptyValue(sheet.cell(7, 16)));
  EXPECT_EQ(sheet.formats[16], ColumnFormat{});
  EXPECT_EQ(sheet.columnWidth(16), 80);
  EXPECT_EQ(sheet.columnBoundaries[17], -1 + 16 * 80 + 120);
}

TEST(ScaleVariable, FactorZeroOrUnreadableDoesNothingAndOverflowEmptiesTheCell) {
  DataSheet sheet;
  sheet.cell(0, 1) = 3.0;
  sheet.cell(1, 1) = 1e300;
  const ColumnValues saved = SaveColumn(sheet.cells, 1);
  EXPECT_EQ(ReadScaleFactor(""), 0.0);
  EXPECT_EQ(ReadScaleFactor("abc"), 0.0);
  EXPECT_EQ(ReadScaleFactor("1e999"), 0.0);
  EXPECT_EQ(ReadScaleFactor("2.5x"), 2.5);
  for (auto operation : {ScaleOperation::Add, ScaleOperation::Divide})
    EXPECT_FALSE(ScaleColumn(sheet.cells, 1, operation, 0.0));
  EXPECT_EQ(SaveColumn(sheet.cells, 1), saved);

  EXPECT_TRUE(ScaleColumn(sheet.cells, 1, ScaleOperation::Multiply, 1e10));
  EXPECT_EQ(sheet.cell(0, 1), 3e10);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(1, 1)));
  RestoreColumn(sheet.cells, 1, saved);
  EXPECT_EQ(sheet.cell(1, 1), 1e300);
}

TEST(GraphRange, RoundsOutwardAndHoldsTheMean) {
  EXPECT_DOUBLE_EQ(NiceRange(3.2, 47.9).low, 0.0);
  EXPECT_DOUBLE_EQ(NiceRange(3.2, 47.9).high, 50.0);
  EXPECT_DOUBLE_EQ(NiceRange(0.12, 0.61).low, 0.1);
  EXPECT_DOUBLE_EQ(NiceRange(0.12, 0.61).high, 0.7);
  EXPECT_DOUBLE_EQ(NiceRange(130.0, 2130.0).high, 2200.0);
  // The ends are the doubles nearest their decimals, whose shortest texts
  // are short: 5E-25 and 1E-24, 0.1 and 0.7.
  for (const auto& [low, high, from, to] :
       {std::tuple{5.3e-25, 9.7e-25, "5E-25", "1E-24"}, std::tuple{0.12, 0.61, "0.1", "0.7"},
        std::tuple{-0.0033, 0.0071, "-0.01", "0.01"}, std::tuple{2.1e25, 3.9e25, "2.1E+25", "3.9E+25"}}) {
    EXPECT_EQ(ExactValueText(NiceRange(low, high).low), from);
    EXPECT_EQ(ExactValueText(NiceRange(low, high).high), to);
  }

  DataSheet sheet;
  sheet.cell(0, 4) = 3.2;
  sheet.cell(9, 4) = 47.9;
  sheet.cell(3, 4) = 20.0;
  UpdateGraphRange(sheet, 4);
  EXPECT_DOUBLE_EQ(sheet.graphMinimum[4], 0.0);
  EXPECT_DOUBLE_EQ(sheet.graphMaximum[4], 50.0);
  EXPECT_DOUBLE_EQ(sheet.graphConstant[4], (3.2 + 47.9 + 20.0) / 3);
  UpdateGraphRange(sheet, 5);
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[5]));
  EXPECT_TRUE(IsEmptyValue(sheet.graphConstant[5]));
}

TEST(GraphRange, AColumnOfOneValueKeepsThatValueInsteadOfNotANumber) {
  DataSheet sheet;
  sheet.cell(2, 1) = 5.0;
  sheet.cell(8, 1) = 5.0;
  const GraphRange range = ComputeGraphRange(sheet.cells, 1);
  EXPECT_EQ(range.minimum, 5.0);
  EXPECT_EQ(range.maximum, 5.0);
  EXPECT_EQ(range.constant, 5.0);
}

TEST(SelectAll, CoversEveryNonEmptyCellOrNothing) {
  DataSheet sheet;
  EXPECT_FALSE(OccupiedRange(sheet.cells).has_value());
  sheet.cell(3, 2) = 1.0;
  sheet.cell(7, 5) = 0.0;
  EXPECT_EQ(OccupiedRange(sheet.cells), (CellRange{3, 2, 7, 5}));
  sheet.cell(98, 0) = 1.0;
  EXPECT_EQ(OccupiedRange(sheet.cells), (CellRange{3, 0, 98, 5}));
}

TEST(Navigation, EnterStopsAtTheEdgesAndAnUnknownSettingStays) {
  const SheetValues cells;
  EXPECT_EQ(NavigationTarget(cells, {98, 0}, NavigationKey::Enter, 2), (CellPosition{98, 0}));
  EXPECT_EQ(NavigationTarget(cells, {0, 16}, NavigationKey::Enter, 1), (CellPosition{0, 16}));
  EXPECT_EQ(NavigationTarget(cells, {0, 4}, NavigationKey::Enter, 4), (CellPosition{0, 4}));
  EXPECT_EQ(NavigationTarget(cells, {10, 10}, NavigationKey::Enter, 7), (CellPosition{10, 10}));
  EXPECT_EQ(NavigationTarget(cells, {10, 10}, NavigationKey::Enter, -1), (CellPosition{10, 10}));
}

TEST(Navigation, CtrlEndFindsTheLastRowWithDataAndOnlyDownFromTheLastRowGrowsTheSheet) {
  SheetValues cells;
  EXPECT_EQ(LastRowWithData(cells), -1);
  EXPECT_EQ(NavigationTarget(cells, {40, 3}, NavigationKey::SheetEnd, 2), (CellPosition{0, 3}));
  cells.ensureRows(500);
  cells[420][16] = 0.0;
  EXPECT_EQ(LastRowWithData(cells), 420);
  EXPECT_EQ(NavigationTarget(cells, {7, 3}, NavigationKey::SheetEnd, 2), (CellPosition{420, 3}));
  EXPECT_EQ(NavigationTarget(cells, {7, 3}, NavigationKey::SheetStart, 2), (CellPosition{0, 0}));
  EXPECT_EQ(NavigationTarget(cells, {495, 3}, NavigationKey::PageDown, 2), (CellPosition{499, 3}));

  EXPECT_TRUE(MovesPastLastRow(cells, {499, 3}, NavigationKey::Down, 0));
  EXPECT_TRUE(MovesPastLastRow(cells, {499, 3}, NavigationKey::Enter, 2));
  EXPECT_FALSE(MovesPastLastRow(cells, {499, 3}, NavigationKey::Enter, 1));
  EXPECT_FALSE(MovesPastLastRow(cells, {499, 3}, NavigationKey::PageDown, 2));
  EXPECT_FALSE(MovesPastLastRow(cells, {498, 3}, NavigationKey::Down, 2));
  cells.ensureRows(kMaxSheetRows);
  EXPECT_FALSE(MovesPastLastRow(cells, {kMaxSheetRows - 1, 3}, NavigationKey::Down, 2));
}

}  // namespace
}  // namespace rv
