#include <gtest/gtest.h>

#include <random>

#include "sheet/clear_cells.h"
#include "sheet/clipboard_text.h"
#include "sheet/graph_range.h"
#include "sheet/left_out_data.h"
#include "sheet/point_count.h"
#include "sheet/scale_variable.h"
#include "sheet/select_all.h"
#include "sheet/sheet_change.h"
#include "sheet/sheet_edit.h"
#include "sheet/sheet_navigation.h"
#include "sheet/undo_history.h"

// The sheet's operations on a sheet longer than 99 rows reach its last row,
// and Undo keeps only what a change touched.

namespace rv {
namespace {

constexpr int kRows = 1000;

// X1 and X2 filled in every row, Y in the first `points` rows.
DataSheet LongSheet(int points) {
  DataSheet sheet;
  sheet.cells.ensureRows(kRows);
  for (int r = 0; r < kRows; ++r) {
    if (r < points) sheet.cell(r, 0) = r;
    sheet.cell(r, 1) = 2.0 * r;
    sheet.cell(r, 2) = 0.5;
  }
  return sheet;
}

TEST(LongSheet, EveryOperationReachesTheLastStoredRow) {
  DataSheet sheet = LongSheet(kRows);
  EXPECT_EQ(CountPointsAndColumns(sheet.cells).pointCount, kRows);
  EXPECT_EQ(CountPointsAndColumns(sheet.cells).columnCount, 3);
  EXPECT_EQ(OccupiedRange(sheet.cells), (CellRange{0, 0, kRows - 1, 2}));
  EXPECT_EQ(LastRowWithData(sheet.cells), kRows - 1);
  EXPECT_EQ(ComputeGraphRange(sheet.cells, 1).constant, kRows - 1.0);  // the mean of 0, 2 ... 1998
  EXPECT_EQ(CopyText(sheet.cells, {kRows - 1, 0, kRows, 1}), "999.000000000000\t1998.000000000000\r\n\t\r\n");
  EXPECT_EQ(NavigationTarget(sheet.cells, {kRows - 3, 0}, NavigationKey::PageDown, 0), (CellPosition{kRows - 1, 0}));

  ASSERT_TRUE(ScaleColumn(sheet.cells, 1, ScaleOperation::Add, 1.0));
  EXPECT_EQ(sheet.cell(kRows - 1, 1), 1999.0);
  const ColumnValues saved = SaveColumn(sheet.cells, 1);
  ASSERT_EQ(saved.size(), static_cast<std::size_t>(kRows));
  RestoreColumn(sheet.cells, 1, ColumnValues(kRows + 5, 4.0));
  EXPECT_EQ(sheet.cells.rowCount(), kRows + 5);
  EXPECT_EQ(sheet.cell(kRows + 4, 1), 4.0);

  ClearCells(sheet.cells, {kRows - 2, 0, kRows + 100, 16});
  EXPECT_EQ(LastRowWithData(sheet.cells), kRows - 3);
  EXPECT_EQ(CountPointsAndColumns(sheet.cells).pointCount, kRows - 2);

  DataSheet gap = LongSheet(500);
  EXPECT_EQ(DescribeLeftOutRows(gap.cells), "Rows 501 to 1000 take no part: Y is empty in row 501");
  EXPECT_TRUE(DataFollowsAGap(gap.cells));

  DataSheet typed;
  ApplySheetEdit(typed, CellTextEntered{{4999, 2}, "3.5"});
  EXPECT_EQ(typed.cells.rowCount(), 5000);
  EXPECT_EQ(typed.cell(4999, 2), 3.5);
  ApplySheetEdit(typed, CellTextEntered{{kMaxSheetRows, 2}, "1"});
  EXPECT_EQ(typed.cells.rowCount(), 5000) << "no row past the largest sheet";
}

// Pasted text grows the sheet as far as it reaches; past 100,000 rows it is
// refused with the count of rows beyond, and nothing changes.
TEST(LongSheet, PasteGrowsTheSheetUpTo100000Rows) {
  const auto lines = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i) + "\t1\r\n";
    return text;
  };
  const struct {
    int lines;
    int startRow;
    int rowsAfter;  // 0: refused
    const char* refusal;
  } cases[] = {
      {120, 0, 120, ""},
      {5, 96, 101, ""},
      {5, 10, kSheetRows, ""},
      {100000, 0, kMaxSheetRows, ""},
      {100001, 0, 0,
       "Nothing was pasted: 1 row of the text would go past row 100000, and a sheet holds at most 100000 rows."},
      {5, kMaxSheetRows - 2, 0,
       "Nothing was pasted: 3 rows of the text would go past row 100000, and a sheet holds at most 100000 rows."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lines << " lines at row " << c.startRow);
    DataSheet sheet;
    sheet.cell(0, 5) = 9.0;
    const DataSheet before = sheet;
    const SheetEditOutcome outcome = ApplySheetEdit(sheet, TextPasted{lines(c.lines), {c.startRow, 0}, std::nullopt});
    EXPECT_EQ(outcome.refusal, c.refusal);
    if (c.rowsAfter == 0) {
      EXPECT_TRUE(SameBits(sheet.cells, before.cells));
      continue;
    }
    EXPECT_EQ(sheet.cells.rowCount(), c.rowsAfter);
    EXPECT_EQ(sheet.cell(c.startRow + c.lines - 1, 0), c.lines - 1.0);
    EXPECT_EQ(outcome.notice, "");
  }
}

// Each edit, recorded as it is made in place and as found by comparing the
// sheets, undone and redone gives back both sheets bit for bit; a change of
// a few cells keeps a few cells, of one column that column, not the sheet.
TEST(LongSheet, UndoKeepsOnlyTheCellsAChangeTouched) {
  ColumnValues scaled(kRows + 3, 2.5);
  const struct {
    const char* edit;
    SheetEdit change;
    std::size_t mostRowsKept;
    std::size_t mostCellsKept;
  } cases[] = {
      {"typed", CellTextEntered{{700, 3}, "1.25"}, 2, 2},
      {"typed past the rows", CellTextEntered{{1000, 0}, "8"}, 2, 2},
      {"typed, the same value", CellTextEntered{{700, 1}, "1400"}, 0, 0},
      {"row inserted", RowInserted{10}, 1, 17},
      {"row deleted", RowDeleted{10}, 1, 17},
      {"last row deleted", RowDeleted{kRows - 1}, 2, 2 * 17},
      {"row appended", RowAppended{}, 0, 0},
      {"cleared", CellsCleared{{100, 0, 199, 16}}, 200, 200 * 6},
      {"cleared at the end", CellsCleared{{900, 0, 999, 16}}, 200, 200 * 6},
      {"pasted", TextPasted{"1\t2\r\n3\t4\r\n", {998, 0}, std::nullopt}, 4, 8},
      {"pasted into a selection", TextPasted{"1\t2\r\n3\t4\r\n", {5, 0}, CellRange{5, 1, 6, 1}}, 4, 4},
      {"scaled", ColumnScaled{2, scaled}, 2 * (kRows + 3), 2 * (kRows + 3)},
      {"column deleted", ColumnDeleted{0}, 2 * kRows, 2 * kRows * 17},
      {"formatted", ColumnFormatted{2, {FormatKind::Scientific, 4}}, 0, 0},
  };
  std::mt19937 random(27);
  DataSheet start = LongSheet(kRows);
  for (int i = 0; i < 50; ++i) start.cell(static_cast<int>(random() % kRows), 5) = static_cast<double>(random()) / 7.0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.edit);
    DataSheet after = start;
    const SheetChangeRecorder recorder(after, RegionOfEdit(after, c.change));
    ApplySheetEdit(after, c.change);
    for (const SheetChange& change : {recorder.finish(after), SheetChange(start, after)}) {
      EXPECT_LE(change.rowsKept(), c.mostRowsKept);
      EXPECT_LE(change.cellsKept(), c.mostCellsKept);
      DataSheet undone = after;
      change.undo(undone);
      EXPECT_TRUE(SameBits(undone.cells, start.cells));
      EXPECT_EQ(undone.names, start.names);
      EXPECT_EQ(undone.formats, start.formats);
      DataSheet redone = undone;
      change.redo(redone);
      EXPECT_TRUE(SameBits(redone.cells, after.cells));
      EXPECT_EQ(redone.formats, after.formats);
      EXPECT_EQ(redone.columnBoundaries, after.columnBoundaries);
    }
  }
}

// A hundred edits of a full sheet of 100,000 rows, each a whole column
// scaled, stay within the memory Undo may keep, dropping the oldest steps
// beyond it; every step kept still undoes to the sheet it was made from.
TEST(LongSheet, UndoKeepsItsStepsWithinItsBudget) {
  DataSheet sheet;
  sheet.cells.ensureRows(kMaxSheetRows);
  for (int r = 0; r < kMaxSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) sheet.cell(r, c) = r + c / 32.0;
  const DataSheet first = sheet;
  const std::size_t budget = std::size_t{64} << 20;
  UndoHistory history(100, budget);
  std::size_t peak = 0;
  std::size_t stepBytes = 0;
  constexpr int kEdits = 100;
  for (int edit = 0; edit < kEdits; ++edit) {
    ColumnValues values = SaveColumn(sheet.cells, edit % kSheetColumns);
    for (double& value : values) value += 1.0;
    const SheetEdit scale = ColumnScaled{edit % kSheetColumns, values};
    const SheetChangeRecorder recorder(sheet, RegionOfEdit(sheet, scale));
    ApplySheetEdit(sheet, scale);
    history.push("Scale", recorder.finish(sheet));
    if (edit == 0) stepBytes = history.bytes();
    peak = std::max(peak, history.bytes());
  }
  // A step keeps one column of both sides: 1.6 MB, not two sheets of 13.6 MB.
  EXPECT_LT(stepBytes, 2 * 8 * std::size_t{kMaxSheetRows} + (std::size_t{64} << 10));
  EXPECT_LE(peak, budget);
  EXPECT_EQ(history.steps(), budget / stepBytes);
  std::printf("[ MEASURED ] undo of %d column edits at %d rows: %zu bytes a step, peak %zu bytes, %zu steps kept\n",
              kEdits, kMaxSheetRows, stepBytes, peak, history.steps());
  while (const SheetChange* change = history.undo()) change->undo(sheet);
  const int dropped = kEdits - static_cast<int>(history.steps());
  for (int column : {0, 3, 16}) {
    const int times = (dropped + kSheetColumns - 1 - column) / kSheetColumns;  // edits of the column dropped
    for (int r = 0; r < kMaxSheetRows; r += 997) EXPECT_EQ(sheet.cell(r, column), first.cell(r, column) + times) << r;
  }

  history.setByteBudget(std::size_t{1} << 20);
  EXPECT_EQ(history.steps(), 0u) << "a step larger than the whole budget is not kept";
  EXPECT_FALSE(history.canRedo());
}

}  // namespace
}  // namespace rv
