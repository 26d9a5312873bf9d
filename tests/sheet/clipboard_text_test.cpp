#include "sheet/clipboard_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "sheet/data_sheet.h"

namespace rv {
namespace {

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

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
  EXPECT_EQ(outcome.columnsCut, 0);
  EXPECT_EQ(copy.cells, sheet.cells);
}

// Each paste onto a sheet holding `before` leaves the cells `after`: the
// last field needs no line end, while an empty field before a line end
// empties its cell (as Copy writes an empty last cell) and nothing after the
// final line end opens another field; a line ends at CR LF, a bare LF or a
// bare CR (LF then CR are two line ends); a field is read whole, with a sign,
// blanks around it, a bare point or a capital exponent; text beyond ASCII is
// read and only a NUL ends it; cells outside the sheet and the selection are
// skipped.
TEST_F(ClipboardTextTest, EachFieldGoesToItsCellFromTheStartOfThePaste) {
  struct Cell {
    int row, column;
    double value;
  };
  const double e = EmptyValue;
  const CellRange topLeft{0, 0, 1, 1};
  const struct {
    std::string text;
    CellPosition start;
    const CellRange* selection;
    std::vector<Cell> before, after;
    int written;  // -1: not counted
  } cases[] = {
      {"1\t2\r\n3\t4", {0, 0}, nullptr, {}, {{1, 1, 4}}, 4},
      {"42", {7, 3}, nullptr, {}, {{7, 3, 42}}, -1},
      {"5\t6\t\r\n", {0, 0}, nullptr, {{0, 2, 9}, {1, 0, 9}}, {{0, 2, e}, {1, 0, 9}}, -1},
      {"1\r2\r\n3\n\r4", {30, 0}, nullptr, {}, {{30, 0, 1}, {31, 0, 2}, {32, 0, 3}, {33, 0, e}, {34, 0, 4}}, -1},
      {"1.00000000000000000000000000000e+05\t-1.2345678901234567890123456789e-05",
       {0, 0},
       nullptr,
       {},
       {{0, 0, 1e5}, {0, 1, -1.2345678901234567890123456789e-05}},
       -1},
      {"+2\t .5 \t-0\t1E3", {2, 0}, nullptr, {}, {{2, 0, 2}, {2, 1, 0.5}, {2, 2, -0.0}, {2, 3, 1000}}, -1},
      {"1\t2\n3\t4\n5\t6\n7\t8\n", {0, 0}, nullptr, {}, {{3, 1, 8}}, -1},
      {std::string("8\0\t9", 4), {20, 0}, nullptr, {}, {{20, 0, 8}, {20, 1, e}}, -1},
      {"1\t2\t3\n4\t5\t6\n", {98, 15}, nullptr, {}, {{98, 15, 1}, {99, 16, 5}}, 4},
      {"1\t2\t3\n4\t5\t6\n7\t8\t9\n", {0, 0}, &topLeft, {}, {{1, 1, 5}, {0, 2, e}, {2, 0, e}}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    DataSheet pasted;
    for (const Cell& cell : c.before) pasted.cell(cell.row, cell.column) = cell.value;
    const PasteOutcome outcome = PasteText(pasted.cells, c.text, c.start, c.selection);
    EXPECT_EQ(outcome.error, "");
    if (c.written >= 0) {
      EXPECT_EQ(outcome.written.size(), static_cast<std::size_t>(c.written));
    }
    for (const Cell& cell : c.after)
      EXPECT_EQ(std::bit_cast<std::uint64_t>(pasted.cell(cell.row, cell.column)),
                std::bit_cast<std::uint64_t>(cell.value))
          << cell.row << "," << cell.column << " holds " << pasted.cell(cell.row, cell.column);
  }
  // 100000 digits overflow: not a number a cell can hold.
  const std::string huge = std::string(100000, '7') + "\t2";
  EXPECT_FALSE(paste(huge, {1, 0}).error.empty());
  EXPECT_TRUE(IsEmptyValue(at(1, 1)));
}

// A field that is no number stops the whole paste, whatever came before it;
// the refusal names the sheet's row and column and quotes the field,
// escaped and shortened.
TEST_F(ClipboardTextTest, AFieldThatIsNoNumberRefusesThePasteAndChangesNothing) {
  const struct {
    std::string field;
    std::string quoted;
  } cases[] = {
      {"abc", "'abc'"},
      {"inf", "'inf'"},
      {"-nan", "'-nan'"},
      {"1e400", "'1e400'"},
      {"1e-400", "'1e-400'"},
      // Characters as they are, UTF-8 included; control characters and
      // bytes that are no UTF-8 escaped, one by one.
      {"3\xc3\xa9", "'3\xc3\xa9'"},
      {"\xef\xbc\x95", "'\xef\xbc\x95'"},
      {"5 \xc2\xb5s", "'5 \xc2\xb5s'"},
      {"5 \xb5s", "'5 \\xB5s'"},
      {"1\xc2\x85", "'1\\xC2\\x85'"},
      {"\xe2\x82", "'\\xE2\\x82'"},
      {Repeated("\xc3\xa9", 30), "'" + Repeated("\xc3\xa9", 24) + "'..."},
      {"--1", "'--1'"},
      {"+-1", "'+-1'"},
      {"0x1p3", "'0x1p3'"},
      {"1 000", "'1 000'"},
      {"1,5", "'1,5'"},  // a comma beside numbers with a point
      {"\x1b[31m" + std::string(100, '7'), "'\\x1B[31m7777777777777777777'..."},
  };
  for (int r = 0; r < 10; ++r) sheet.cell(r, 2) = 0.25 * r;
  const DataSheet before = sheet;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    const PasteOutcome outcome = paste("1\t2.5\t3\r\n4\t" + c.field + "\t6\r\n7\t8\t9\r\n", {1, 1});
    EXPECT_EQ(outcome.error, "Nothing was pasted: " + c.quoted + " for row 3, column X2 is not a number.");
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_TRUE(SameBits(sheet.cells, before.cells));
  }
}

TEST_F(ClipboardTextTest, NumbersWithADecimalCommaAndNoPointReadWithTheComma) {
  EXPECT_TRUE(paste("0,6343\t1,0275\r\n-2,5e-3\t7\r\n").error.empty());
  EXPECT_EQ(at(0, 0), 0.6343);
  EXPECT_EQ(at(0, 1), 1.0275);
  EXPECT_EQ(at(1, 0), -2.5e-3);
  EXPECT_EQ(at(1, 1), 7.0);
  EXPECT_FALSE(paste("0,5\t1.5\r\n").error.empty());
  EXPECT_FALSE(paste("1,234,5\r\n").error.empty());
}

// Text without a tab splits at blanks, as an editor or a terminal gives
// numbers; a missing-value word empties its cell; a number two formats
// read differently refuses the paste until the format is given.
TEST_F(ClipboardTextTest, BlanksSeparateMissingWordsEmptyAndANumberInDoubtWaitsForItsFormat) {
  constexpr NumberFormat kThousands{DecimalSign::Point, ThousandsSeparator::Comma};
  constexpr NumberFormat kDecimalComma{DecimalSign::Comma, ThousandsSeparator::None};
  const double e = EmptyValue;
  const struct {
    const char* text;
    std::optional<NumberFormat> format;
    const char* error;
    std::vector<double> firstRow;
  } cases[] = {
      {"  1.5   2.5\n3 4\n", std::nullopt, "", {1.5, 2.5}},
      {"1.5\tNA\t-\tnull\t3\r\n", std::nullopt, "", {1.5, e, e, e, 3}},
      {"1,306\t687\r\n", std::nullopt, "Nothing was pasted: '1,306' for row 1, column Y may be 1.306 or 1306.", {}},
      {"1,306\t687\r\n", kThousands, "", {1306, 687}},
      {"1,306\t687\r\n", kDecimalComma, "", {1.306, 687}},
      {"1,306\t2.5\r\n", std::nullopt, "", {1306, 2.5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    DataSheet pasted;
    const PasteOutcome outcome = PasteText(pasted.cells, c.text, {0, 0}, nullptr, PasteHeading::None, c.format);
    EXPECT_EQ(outcome.error, c.error);
    for (size_t column = 0; column < c.firstRow.size(); ++column)
      EXPECT_EQ(std::bit_cast<std::uint64_t>(pasted.cell(0, static_cast<int>(column))),
                std::bit_cast<std::uint64_t>(c.firstRow[column]))
          << column;
  }
  EXPECT_EQ(PasteNumberFormat("1,306\t687\r\n").undecided, "1,306");
  EXPECT_FALSE(PasteHeadings("1.5 2.5\n3 4\n").has_value());
  ASSERT_TRUE(PasteHeadings("Time Speed\n1 2\n").has_value());
  EXPECT_EQ(PasteHeadings("Time Speed\n1 2\n")->names, (std::vector<std::string>{"Time", "Speed"}));
}

// A spreadsheet's heading row is recognised; it gives the columns from the
// start their names, cut to eight characters, or is skipped; unasked, it is
// refused like any other text.
TEST_F(ClipboardTextTest, AFirstLineOfNamesGivesNamesOrIsSkipped) {
  const std::string text = "Length\t\"Period of swing\"\r\nm\ts\r\n0,6343\t1,0275\r\n";
  ASSERT_TRUE(PasteHeadings(text).has_value());
  EXPECT_EQ(PasteHeadings(text)->names.size(), 2u);
  EXPECT_EQ(PasteHeadings(text)->lines, 2);  // the units below the names
  EXPECT_FALSE(PasteHeadings("1\tx\r\n").has_value());
  EXPECT_FALSE(PasteHeadings("\t\r\n1\r\n").has_value());

  const PasteOutcome named = PasteText(sheet.cells, text, {4, 2}, nullptr, PasteHeading::Names);
  ASSERT_EQ(named.names.size(), 2u);
  EXPECT_EQ(named.names[0].column, 2);
  EXPECT_EQ(named.names[0].name, "Length");
  EXPECT_EQ(named.names[1].name, "Period o");
  EXPECT_EQ(at(4, 2), 0.6343);
  EXPECT_EQ(named.textRows, 1);

  EXPECT_TRUE(PasteText(sheet.cells, text, {10, 0}, nullptr, PasteHeading::Skip).names.empty());
  EXPECT_EQ(at(10, 1), 1.0275);
  EXPECT_EQ(paste(text, {20, 0}).error, "Nothing was pasted: 'Length' for row 21, column Y is not a number.");
}

// Copy writes "%.12f" where that is exact and the shortest exact text
// elsewhere, so Copy then Paste gives every value back bit for bit.
TEST_F(ClipboardTextTest, CopyThenPasteGivesRandomSheetsBackBitForBit) {
  std::mt19937_64 random(22);
  // Any bits of a finite double with its binary exponent in [low, high).
  const auto bits = [&random](int low, int high) {
    const auto exponent = static_cast<std::uint64_t>(1023 + low + static_cast<int>(random() % (high - low)));
    return std::bit_cast<double>((random() & ~(0x7FFull << 52)) | (exponent << 52));
  };
  // Huge values cost the most to print with "%.12f": they are one kind of
  // twelve.
  const auto draw = [&random, &bits]() -> double {
    switch (random() % 12) {
      case 0:
      case 1: return std::uniform_real_distribution<double>(-1e-3, 1e-3)(random);
      case 2: return std::ldexp(static_cast<double>(random() % 1000000), -1074);  // subnormal
      case 3: return bits(900, 1024);
      case 4:
      case 5: return static_cast<double>(static_cast<std::int64_t>(random() % 2000001) - 1000000);
      case 6:
      case 7:
      case 8: return bits(-60, 60);
      case 9: return bits(-1022, 1024);
      case 10: return -0.0;
      default: return EmptyValue;
    }
  };
  // Blocks of every width and up to 40 rows (a whole sheet is copied above),
  // each copied with the empty rest of the sheet.
  for (int trial = 0; trial < 1000; ++trial) {
    DataSheet source;
    const int rows = 1 + static_cast<int>(random() % 40);
    const int columns = 1 + static_cast<int>(random() % kSheetColumns);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) source.cell(r, c) = draw();
    const std::string text = CopyText(source.cells, CellRange::WholeSheet());
    DataSheet copy;
    ASSERT_TRUE(PasteText(copy.cells, text, {0, 0}, nullptr).error.empty());
    ASSERT_TRUE(SameBits(copy.cells, source.cells)) << "trial " << trial;
  }
  sheet.cell(0, 0) = 0.07243628666754276;
  sheet.cell(0, 1) = 1.5;
  EXPECT_EQ(CopyText(sheet.cells, {0, 0, 0, 2}), "0.07243628666754276\t1.500000000000\t\r\n");
}

TEST_F(ClipboardTextTest, WhatFallsRightOfTheSheetIsCountedAndRowsBelowItGrowIt) {
  std::string text;
  for (int r = 0; r < 5; ++r) text += "1\t2\t3\t4\r\n";
  const PasteOutcome outcome = paste(text, {96, 15});
  EXPECT_EQ(outcome.textRows, 5);
  EXPECT_EQ(outcome.textColumns, 4);
  EXPECT_EQ(outcome.columnsCut, 2);
  EXPECT_EQ(outcome.written.size(), 10u);
  EXPECT_EQ(at(100, 16), 2.0);
  EXPECT_EQ(PasteNotice(outcome), "Pasted 5 of 5 rows and 2 of 4 columns; the rest did not fit.");
  EXPECT_EQ(paste("1\t2").columnsCut, 0);
}

}  // namespace
}  // namespace rv
