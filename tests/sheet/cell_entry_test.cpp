#include "sheet/cell_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "sheet/empty_value.h"

namespace rv {
namespace {

TEST(CellEntry, AcceptsOnlyTheCharactersOfANumber) {
  const std::string accepted = "+-0123456789.Ee";
  for (int code = 1; code < 128; ++code) {
    const char character = static_cast<char>(code);
    EXPECT_EQ(IsAcceptedCellCharacter(character), accepted.find(character) != std::string::npos) << code;
  }
}

TEST(CellEntry, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(CellValueFromText("1e3"), 1000.0);
  EXPECT_EQ(CellValueFromText("12abc"), 12.0);
  EXPECT_EQ(CellValueFromText("1e"), 1.0);
  EXPECT_EQ(CellValueFromText("2.5E-1x"), 0.25);
  EXPECT_EQ(CellValueFromText("  +7"), 7.0);
  EXPECT_EQ(CellValueFromText(".5"), 0.5);
  EXPECT_EQ(CellValueFromText("-4."), -4.0);
  // Hexadecimal is not a number a user types into a data sheet.
  EXPECT_EQ(CellValueFromText("0x10"), 0.0);
}

TEST(CellEntry, TextWithoutANumberGivesZeroAndEmptyTextEmptiesTheCell) {
  EXPECT_EQ(CellValueFromText("-"), 0.0);
  EXPECT_EQ(CellValueFromText("abc"), 0.0);
  EXPECT_EQ(CellValueFromText("+-5"), 0.0);
  EXPECT_EQ(CellValueFromText("E5"), 0.0);
  EXPECT_TRUE(IsEmptyValue(CellValueFromText("")));
  // The empty marker typed as a number is an empty cell.
  EXPECT_TRUE(IsEmptyValue(CellValueFromText("-3.21e-33")));
}

TEST(CellEntry, InfiniteAndNotANumberEmptyTheCell) {
  for (const char* text : {"1e999", "-1e999", "nan", "inf", "-Infinity", "NAN(123)"})
    EXPECT_TRUE(IsEmptyValue(CellValueFromText(text))) << text;
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e400")));
  EXPECT_LT(ReadLeadingNumber("-123456789e300"), 0.0);
  // Below the double range a number reads as zero, as it always has.
  EXPECT_EQ(CellValueFromText("1e-400"), 0.0);
  EXPECT_EQ(CellValueFromText("0.000001e-400"), 0.0);
  EXPECT_EQ(CellValueFromText("1e-310"), 1e-310);
}

TEST(CellEntry, AValueBoxTakesOnlyAWholeNumberOrNothing) {
  EXPECT_TRUE(IsEmptyValue(*ValueFromWholeText("")));
  EXPECT_TRUE(IsEmptyValue(*ValueFromWholeText("   ")));
  const std::pair<const char*, double> numbers[] = {
      {"25", 25.0}, {" 2.5e1 ", 25.0}, {"+7", 7.0}, {"-.5", -0.5}, {"1E-25", 1e-25}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ValueFromWholeText(text), value) << text;
  for (const char* text : {"abc", "12abc", "2.5e1 litres", "1e999", "inf", "nan", "+-5", "--5", "-", "+", "1e", "0x10"})
    EXPECT_FALSE(ValueFromWholeText(text).has_value()) << text;
}

}  // namespace
}  // namespace rv
