#include "sheet/data_sheet.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "sheet/document.h"
#include "sheet/point_count.h"

namespace rv {
namespace {

TEST(EmptyValue, HasItsBitPatternAndIsTheDoubleNearestMinus321e33) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(EmptyValue), 0xB930AAD265D74886u);
  EXPECT_EQ(EmptyValue, -3.21e-33);
  EXPECT_EQ(EmptyValue, std::strtod("-3.21e-33", nullptr));
  EXPECT_TRUE(IsEmptyValue(std::strtod("-3.21e-33", nullptr)));
  EXPECT_FALSE(IsEmptyValue(0.0));
  EXPECT_FALSE(IsEmptyValue(std::nextafter(EmptyValue, 0.0)));
}

TEST(DataSheet, StartsEmptyWithDefaultNamesFormatsAndWidths) {
  DataSheet sheet;
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) ASSERT_TRUE(IsEmptyValue(sheet.cell(r, c)));
  EXPECT_EQ(sheet.names[0], "Y");
  EXPECT_EQ(sheet.names[1], "X1");
  EXPECT_EQ(sheet.names[16], "X16");
  EXPECT_EQ(sheet.names[17], "X17");
  EXPECT_EQ(sheet.formats[5], (ColumnFormat{FormatKind::General, 2}));
  EXPECT_EQ(sheet.columnBoundaries[0], -1);
  EXPECT_EQ(sheet.columnBoundaries[17], -1 + 17 * 80);
  EXPECT_EQ(sheet.columnWidth(16), 80);
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[3]));
  EXPECT_TRUE(sheet.autoUpdate);
}

TEST(DataSheet, ClearRestoresEverythingAndResizingShiftsLaterBoundaries) {
  DataSheet sheet;
  sheet.cell(4, 7) = 2.5;
  sheet.names[2] = "Temp";
  sheet.formats[2] = {FormatKind::Scientific, 5};
  sheet.graphConstant[2] = 1.0;
  sheet.autoUpdate = false;
  SetColumnWidth(sheet, 2, 120);
  EXPECT_EQ(sheet.columnWidth(2), 120);
  EXPECT_EQ(sheet.columnWidth(3), 80);
  EXPECT_EQ(sheet.columnBoundaries[3], sheet.columnBoundaries[2] + 120);
  ClearDataSheet(sheet);
  EXPECT_TRUE(IsEmptyValue(sheet.cell(4, 7)));
  EXPECT_EQ(sheet.names[2], "X2");
  EXPECT_EQ(sheet.formats[2], ColumnFormat{});
  EXPECT_TRUE(IsEmptyValue(sheet.graphConstant[2]));
  EXPECT_TRUE(sheet.autoUpdate);
  EXPECT_EQ(sheet.columnWidth(2), 80);
}

TEST(DocumentState, TitleBarNamesTheFileOrUntitled) {
  DocumentState state;
  EXPECT_EQ(WindowTitle(state), "Regrovantis - Untitled");
  state.fileTitle = "gas.rvd";
  EXPECT_EQ(WindowTitle(state), "Regrovantis - gas.rvd");
}

// The points run from the top to the first empty Y, whatever the rows below
// hold; the columns to the first column with an empty cell among them. A
// zero is a number; the empty marker typed as a number is empty.
TEST(PointCount, StopsAtTheFirstEmptyYAndAtTheFirstColumnWithAnEmptyCell) {
  const struct {
    const char* what;
    int rows, columns;  // filled from the top left
    std::vector<std::tuple<int, int, double>> changed;
    int points, countedColumns;
  } cases[] = {
      {"an empty Y", 21, 3, {{10, 0, EmptyValue}}, 10, 3},
      {"an empty cell in a counted row", 12, 5, {{6, 3, EmptyValue}, {13, 1, EmptyValue}}, 12, 3},
      {"a full sheet with a zero", kSheetRows, kSheetColumns, {{0, 4, 0.0}}, 99, 16},
      {"the empty marker typed", 5, 2, {{3, 0, -3.21e-33}}, 3, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DataSheet sheet;
    for (int r = 0; r < c.rows; ++r)
      for (int col = 0; col < c.columns; ++col) sheet.cell(r, col) = r + col * 0.5;
    for (const auto& [row, column, value] : c.changed) sheet.cell(row, column) = value;
    const auto counts = CountPointsAndColumns(sheet.cells);
    EXPECT_EQ(counts.pointCount, c.points);
    EXPECT_EQ(counts.columnCount, c.countedColumns);
  }
}

}  // namespace
}  // namespace rv
