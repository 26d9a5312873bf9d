#include "sheet/data_sheet.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>

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

class PointCountTest : public ::testing::Test {
 protected:
  DataSheet sheet;
  void fill(int rows, int columns) {
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) sheet.cell(r, c) = r + c * 0.5;
  }
};

TEST_F(PointCountTest, StopsAtTheFirstEmptyY) {
  fill(21, 3);
  sheet.cell(10, 0) = EmptyValue;
  const auto counts = CountPointsAndColumns(sheet.cells);
  EXPECT_EQ(counts.pointCount, 10);
  EXPECT_EQ(counts.columnCount, 3);
}

TEST_F(PointCountTest, OneEmptyCellInACountedRowLimitsTheColumns) {
  fill(12, 5);
  sheet.cell(6, 3) = EmptyValue;
  // Rows below the first empty Y do not count, whatever they hold.
  sheet.cell(13, 1) = EmptyValue;
  const auto counts = CountPointsAndColumns(sheet.cells);
  EXPECT_EQ(counts.pointCount, 12);
  EXPECT_EQ(counts.columnCount, 3);
}

TEST_F(PointCountTest, AFullSheetUsesFifteenVariablesAndZerosAreNumbers) {
  fill(kSheetRows, kSheetColumns);
  sheet.cell(0, 4) = 0.0;
  const auto counts = CountPointsAndColumns(sheet.cells);
  EXPECT_EQ(counts.pointCount, 99);
  EXPECT_EQ(counts.columnCount, 16);
}

TEST_F(PointCountTest, ATypedEmptyValueCountsAsEmpty) {
  fill(5, 2);
  sheet.cell(3, 0) = -3.21e-33;
  EXPECT_EQ(CountPointsAndColumns(sheet.cells).pointCount, 3);
}

}  // namespace
}  // namespace rv
