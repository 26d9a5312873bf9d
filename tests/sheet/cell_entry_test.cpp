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

// A cell reads the longest leading number of its text; hexadecimal is not a
// number a user types into a data sheet. Text without a number gives zero;
// empty text, the empty marker typed as a number, infinity and not a number
// empty the cell. Below the double range a number reads as zero, as it
// always has.
TEST(CellEntry, ReadsTheLongestLeadingNumberOrZeroOrEmptiesTheCell) {
  const std::pair<const char*, double> numbers[] = {
      {"1e3", 1000.0}, {"12abc", 12.0}, {"1e", 1.0},     {"2.5E-1x", 0.25},  {"  +7", 7.0},
      {".5", 0.5},     {"-4.", -4.0},   {"0x10", 0.0},   {"-", 0.0},         {"abc", 0.0},
      {"+-5", 0.0},    {"E5", 0.0},     {"1e-400", 0.0}, {"1e-310", 1e-310}, {"0.000001e-400", 0.0}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(CellValueFromText(text), value) << text;
  for (const char* text : {"", "-3.21e-33", "1e999", "-1e999", "nan", "inf", "-Infinity", "NAN(123)"})
    EXPECT_TRUE(IsEmptyValue(CellValueFromText(text))) << text;
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e400")));
  EXPECT_LT(ReadLeadingNumber("-123456789e300"), 0.0);
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
