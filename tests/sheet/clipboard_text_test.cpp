#include <gtest/gtest.h>

#include <string>

#include "sheet/clipboard_text.h"
#include "sheet/data_sheet.h"

namespace rv {
namespace {

class ClipboardTextTest : public ::testing::Test {
 protected:
  DataSheet sheet;
  PasteOutcome paste(const std::string& text, CellPosition start = {0, 0}, const CellRange* selection = nullptr) {
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
  const PasteOutcome outcome = PasteText(copy.cells, text, {0, 0}, nullptr);
  EXPECT_EQ(outcome.written.size(), static_cast<size_t>(kSheetRows * kSheetColumns));
  EXPECT_EQ(outcome.textRows, kSheetRows);
  EXPECT_EQ(outcome.textColumns, kSheetColumns);
  EXPECT_EQ(outcome.rowsCut, 0);
  EXPECT_EQ(outcome.columnsCut, 0);
  EXPECT_EQ(copy.cells, sheet.cells);
}

TEST_F(ClipboardTextTest, PasteStoresTheLastFieldWithoutALineEnd) {
  const PasteOutcome outcome = paste("1\t2\r\n3\t4");
  EXPECT_EQ(at(1, 1), 4.0);
  EXPECT_EQ(outcome.written.size(), 4u);
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

TEST_F(ClipboardTextTest, AFieldIsReadWhole) {
  paste("1.00000000000000000000000000000e+05\t-1.2345678901234567890123456789e-05");
  EXPECT_EQ(at(0, 0), 1e5);
  EXPECT_EQ(at(0, 1), -1.2345678901234567890123456789e-05);
  // 100000 digits overflow: not a number a cell can hold.
  paste(std::string(100000, '7') + "\t2", {1, 0});
  EXPECT_TRUE(IsEmptyValue(at(1, 0)));
  EXPECT_EQ(at(1, 1), 2.0);
}

TEST_F(ClipboardTextTest, TextBeyondAsciiIsPastedWholeAndOnlyANulEndsIt) {
  paste("1\t2\n3\t4\n5 \xc2\xb5s\t6\n7\t8\n");
  EXPECT_EQ(at(2, 0), 5.0);
  EXPECT_EQ(at(2, 1), 6.0);
  EXPECT_EQ(at(3, 1), 8.0);
  // Fields that are not numbers read as 0, as typed text that is not one does.
  paste("\xc2\xb5\t\x01\t9", {10, 0});
  EXPECT_EQ(at(10, 0), 0.0);
  EXPECT_EQ(at(10, 1), 0.0);
  EXPECT_EQ(at(10, 2), 9.0);
  paste(std::string("8\0\t9", 4), {20, 0});
  EXPECT_EQ(at(20, 0), 8.0);
  EXPECT_TRUE(IsEmptyValue(at(20, 1)));
}

TEST_F(ClipboardTextTest, WhatFallsOffTheSheetIsCounted) {
  std::string text;
  for (int r = 0; r < 5; ++r) text += "1\t2\t3\t4\r\n";
  const PasteOutcome outcome = paste(text, {96, 15});
  EXPECT_EQ(outcome.textRows, 5);
  EXPECT_EQ(outcome.textColumns, 4);
  EXPECT_EQ(outcome.rowsCut, 2);
  EXPECT_EQ(outcome.columnsCut, 2);
  EXPECT_EQ(outcome.written.size(), 6u);
  EXPECT_EQ(at(98, 16), 2.0);
  EXPECT_EQ(paste("1\t2").columnsCut, 0);
}

TEST_F(ClipboardTextTest, PasteSkipsCellsOutsideTheSheetAndTheSelection) {
  const PasteOutcome outcome = paste("1\t2\t3\n4\t5\t6\n", {98, 15});
  EXPECT_EQ(at(98, 15), 1.0);
  EXPECT_EQ(at(98, 16), 2.0);
  EXPECT_EQ(outcome.written.size(), 2u);

  const CellRange selection{0, 0, 1, 1};
  paste("1\t2\t3\n4\t5\t6\n7\t8\t9\n", {0, 0}, &selection);
  EXPECT_EQ(at(1, 1), 5.0);
  EXPECT_TRUE(IsEmptyValue(at(0, 2)));
  EXPECT_TRUE(IsEmptyValue(at(2, 0)));
}

}  // namespace
}  // namespace rv
