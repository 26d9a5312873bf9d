#include <gtest/gtest.h>

#include "sheet/clear_cells.h"
#include "sheet/sheet_edit.h"

namespace rv {
namespace {

DataSheet FilledSheet() {
  DataSheet sheet;
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) sheet.cell(r, c) = 100.0 * r + c;
  return sheet;
}

TEST(ApplySheetEdit, ATypedTextStoresItsNumberAndAnEmptyTextEmptiesTheCell) {
  DataSheet sheet = FilledSheet();
  ApplySheetEdit(sheet, CellTextEntered{{2, 3}, "1e3"});
  ApplySheetEdit(sheet, CellTextEntered{{4, 0}, "-"});
  ApplySheetEdit(sheet, CellTextEntered{{5, 16}, ""});
  EXPECT_EQ(sheet.cell(2, 3), 1000.0);
  EXPECT_EQ(sheet.cell(4, 0), 0.0);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(5, 16)));
  EXPECT_EQ(sheet.cell(2, 4), 204.0);
}

TEST(ApplySheetEdit, EditsOutsideTheSheetChangeNothing) {
  const DataSheet before = FilledSheet();
  DataSheet sheet = before;
  const SheetEdit outside[] = {
      CellTextEntered{{kMaxSheetRows, 0}, "5"},
      CellTextEntered{{0, -1}, "5"},
      TextPasted{"1\t2\r\n", {-1, 0}, {}},
      TextPasted{"1\r\n", {0, 17}, {}},
      CellsCleared{{99, 0, 120, 16}},
      RowInserted{99},
      RowDeleted{-1},
      ColumnInserted{17},
      ColumnDeleted{-1},
      ColumnFormatted{17, {FormatKind::Number, 3}},
      ColumnScaled{-1, {}},
      ColumnResized{17, 120},
  };
  for (const SheetEdit& edit : outside) ApplySheetEdit(sheet, edit);
  EXPECT_EQ(sheet.cells, before.cells);
  EXPECT_EQ(sheet.formats, before.formats);
  EXPECT_EQ(sheet.columnBoundaries, before.columnBoundaries);
}

TEST(ApplySheetEdit, PasteFillsFromItsStartAndOnlyTheSelectedCellsOfARange) {
  DataSheet sheet;
  ApplySheetEdit(sheet, TextPasted{"1\t2\r\n3\t4\r\n", {0, 0}, {}});
  EXPECT_EQ(sheet.cell(1, 1), 4.0);
  ApplySheetEdit(sheet, TextPasted{"7\t8\t9\r\n", {5, 1}, CellRange{5, 1, 5, 2}});
  EXPECT_EQ(sheet.cell(5, 1), 7.0);
  EXPECT_EQ(sheet.cell(5, 2), 8.0);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(5, 3)));
}

TEST(ApplySheetEdit, ClearingARangeThatRunsOffTheSheetEmptiesItsPartOnTheSheet) {
  DataSheet sheet = FilledSheet();
  ApplySheetEdit(sheet, CellsCleared{{97, 15, 140, 40}});
  for (int r = 97; r < kSheetRows; ++r)
    for (int c = 15; c < kSheetColumns; ++c) EXPECT_TRUE(IsEmptyValue(sheet.cell(r, c))) << r << "," << c;
  EXPECT_EQ(sheet.cell(96, 15), 9615.0);
  EXPECT_EQ(sheet.cell(97, 14), 9714.0);

  ClearCells(sheet.cells, {-5, -5, 0, 1});
  EXPECT_TRUE(IsEmptyValue(sheet.cell(0, 1)));
  EXPECT_EQ(sheet.cell(0, 2), 2.0);
  EXPECT_EQ(sheet.cell(1, 0), 100.0);
}

TEST(ApplySheetEdit, RowsAndColumnsMoveAsTheirOwnEditsMoveThem) {
  DataSheet sheet = FilledSheet();
  ApplySheetEdit(sheet, RowDeleted{0});
  ApplySheetEdit(sheet, ColumnInserted{2});
  EXPECT_EQ(sheet.cell(0, 0), 100.0);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(0, 2)));
  EXPECT_EQ(sheet.cell(0, 3), 102.0);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(98, 0)));
  ApplySheetEdit(sheet, ColumnDeleted{2});
  ApplySheetEdit(sheet, RowInserted{0});
  EXPECT_TRUE(IsEmptyValue(sheet.cell(0, 0)));
  EXPECT_EQ(sheet.cell(1, 2), 102.0);
}

TEST(ApplySheetEdit, AFormatKeepsAtMostTwelvePlacesAndAWidthStaysBetweenOneAnd4096) {
  DataSheet sheet;
  ApplySheetEdit(sheet, ColumnFormatted{4, {FormatKind::Scientific, 25}});
  EXPECT_EQ(sheet.formats[4], (ColumnFormat{FormatKind::Scientific, 12}));

  ApplySheetEdit(sheet, ColumnResized{1, 130});
  EXPECT_EQ(sheet.columnWidth(1), 130);
  EXPECT_EQ(sheet.columnBoundaries[17], -1 + 16 * kDefaultColumnWidth + 130);
  ApplySheetEdit(sheet, ColumnResized{1, 0});
  EXPECT_EQ(sheet.columnWidth(1), 1);
  ApplySheetEdit(sheet, ColumnResized{1, 2'000'000'000});
  EXPECT_EQ(sheet.columnWidth(1), kMaxColumnWidth);
  EXPECT_EQ(sheet.columnWidth(2), kDefaultColumnWidth);
}

TEST(ApplySheetEdit, AScaledXColumnTakesItsGraphRangeAlongWhileAutoUpdateIsOn) {
  DataSheet sheet;
  ColumnValues values(kSheetRows, EmptyValue);
  values[0] = 3.2;
  values[1] = 47.9;
  ApplySheetEdit(sheet, ColumnScaled{0, values});
  ApplySheetEdit(sheet, ColumnScaled{1, values});
  EXPECT_EQ(sheet.cell(1, 0), 47.9);
  EXPECT_EQ(sheet.cell(1, 1), 47.9);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(2, 1)));
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[0])) << "Y has no graph range of its own";
  EXPECT_EQ(sheet.graphMinimum[1], 0.0);
  EXPECT_EQ(sheet.graphMaximum[1], 50.0);

  sheet.autoUpdate = false;
  ApplySheetEdit(sheet, ColumnScaled{2, values});
  EXPECT_EQ(sheet.cell(0, 2), 3.2);
  EXPECT_TRUE(IsEmptyValue(sheet.graphMaximum[2]));
}

}  // namespace
}  // namespace rv
