#include <gtest/gtest.h>

#include <string>

#include "sheet/clipboard_text.h"
#include "sheet/data_sheet.h"

namespace rv {
namespace {

class ClipboardTextTest : public ::testing::Test {
 protected:
  DataSheet sheet;
  std::vector<PastedCell> paste(const std::string& text, CellPosition start = {0, 0},
                                const CellRange* selection = nullptr) {
    return PasteText(sheet.cells, text, start, selection);
  }
  double at(int row, int column) const { return sheet.cell(row, column); }
};

TEST_F(ClipboardTextTest, CopyOfAFullSheetOfLongNumbersIsWholeAndPastesBack) {
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) sheet.cell(r, c) = -123456789.25 * (r + 1) - c;
  const std::string text = CopyText(sheet.cells, CellRange::WholeSheet());
  EXPECT_GT(text.size(), 28672u);
  const std::string lastCell = "\t-12222222151.750000000000\r\n";
  EXPECT_EQ(text.substr(text.size() - lastCell.size()), lastCell);

  DataSheet copy;
  const auto written = PasteText(copy.cells, text, {0, 0}, nullptr);
  EXPECT_EQ(written.size(), static_cast<size_t>(kSheetRows * kSheetColumns));
  EXPECT_EQ(copy.cells, sheet.cells);
}

TEST_F(ClipboardTextTest, PasteStoresTheLastFieldWithoutALineEnd) {
  const auto written = paste("1\t2\r\n3\t4");
  EXPECT_EQ(at(1, 1), 4.0);
  EXPECT_EQ(written.size(), 4u);
  paste("42", {7, 3});
  EXPECT_EQ(at(7, 3), 42.0);
  // An empty field before a line end empties its cell, as Copy writes an
  // empty last cell; nothing after the final line end opens another field.
  sheet.cell(0, 2) = 9.0;
  sheet.cell(1, 0) = 9.0;
  paste("5\t6\t\r\n");
  EXPECT_TRUE(IsEmptyValue(at(0, 2)));
  EXPECT_EQ(at(1, 0), 9.0);
}

TEST_F(ClipboardTextTest, ALineEndsAtCrLfOrABareLfOrABareCr) {
  paste("1\r2\r\n3\n\r4", {30, 0});
  EXPECT_EQ(at(30, 0), 1.0);
  EXPECT_EQ(at(31, 0), 2.0);
  EXPECT_EQ(at(32, 0), 3.0);
  EXPECT_TRUE(IsEmptyValue(at(33, 0)));  // LF then CR are two line ends
  EXPECT_EQ(at(34, 0), 4.0);
}

TEST_F(ClipboardTextTest, AFieldKeepsAtMost32Characters) {
  // 32 characters read 1.2345678901234567890123456789012; the 33rd digit is cut.
  paste("1.23456789012345678901234567890129999e5\t1");
  EXPECT_DOUBLE_EQ(at(0, 0), 1.234567890123456789);
  EXPECT_EQ(at(0, 1), 1.0);
  paste(std::string(100000, '7') + "\t2");
  EXPECT_DOUBLE_EQ(at(0, 0), 7.7777777777777777e31);
  EXPECT_EQ(at(0, 1), 2.0);
}

TEST_F(ClipboardTextTest, TextEndsAtControlBytesAndBytesAbove127) {
  paste(std::string("1\t2\x01\t3\n"));
  EXPECT_EQ(at(0, 1), 2.0);
  EXPECT_TRUE(IsEmptyValue(at(0, 2)));
  paste("4\t5\xc2\xb5\t6", {1, 0});
  EXPECT_EQ(at(1, 1), 5.0);
  EXPECT_TRUE(IsEmptyValue(at(1, 2)));
  paste(std::string("8\0\t9", 4), {2, 0});
  EXPECT_EQ(at(2, 0), 8.0);
  EXPECT_TRUE(IsEmptyValue(at(2, 1)));
}

TEST_F(ClipboardTextTest, PasteSkipsCellsOutsideTheSheetAndTheSelection) {
  const auto written = paste("1\t2\t3\n4\t5\t6\n", {98, 15});
  EXPECT_EQ(at(98, 15), 1.0);
  EXPECT_EQ(at(98, 16), 2.0);
  EXPECT_EQ(written.size(), 2u);

  const CellRange selection{0, 0, 1, 1};
  paste("1\t2\t3\n4\t5\t6\n7\t8\t9\n", {0, 0}, &selection);
  EXPECT_EQ(at(1, 1), 5.0);
  EXPECT_TRUE(IsEmptyValue(at(0, 2)));
  EXPECT_TRUE(IsEmptyValue(at(2, 0)));
}

}  // namespace
}  // namespace rv
