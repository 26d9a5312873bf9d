#include "sheet/field_number.h"

#include <gtest/gtest.h>

#include <cmath>

#include "sheet/missing_values.h"
#include "sheet/number_format_guess.h"

namespace rv {
namespace {

constexpr NumberFormat kPoint{};
constexpr NumberFormat kComma{DecimalSign::Comma, ThousandsSeparator::None};
constexpr NumberFormat kEnglish{DecimalSign::Point, ThousandsSeparator::Comma};
constexpr NumberFormat kGerman{DecimalSign::Comma, ThousandsSeparator::Point};
constexpr NumberFormat kSwiss{DecimalSign::Point, ThousandsSeparator::Apostrophe};
constexpr NumberFormat kFrench{DecimalSign::Comma, ThousandsSeparator::ThinSpace};

// One grammar for every reader: a decimal sign, groups of three after a
// thousands separator, E or D exponents; nothing else is a number.
TEST(FieldNumber, OneGrammarReadsEveryFormatAndNothingElse) {
  const struct {
    const char* field;
    NumberFormat format;
    std::optional<double> value;
  } cases[] = {
      {" 1.5 ", kPoint, 1.5},
      {"+.5", kPoint, 0.5},
      {"-0", kPoint, -0.0},
      {"5.", kPoint, 5.0},
      {"4.0031306D-02", kPoint, 4.0031306e-02},
      {"1.0d-3", kPoint, 1.0e-3},
      {"1.0D+03", kPoint, 1000.0},
      {"2E5", kPoint, 2e5},
      {"1,306", kEnglish, 1306.0},
      {"1,921.7", kEnglish, 1921.7},
      {"687", kEnglish, 687.0},
      {"1306", kEnglish, 1306.0},
      {"1.306,25", kGerman, 1306.25},
      {"0,6343", kComma, 0.6343},
      {"1'234.5", kSwiss, 1234.5},
      {"1\u2009234,5", kFrench, 1234.5},
      {"1\u202F234,5", kFrench, 1234.5},
      {"1,306", kPoint, std::nullopt},
      {"1,30", kEnglish, std::nullopt},
      {"1,3066", kEnglish, std::nullopt},
      {",306", kEnglish, std::nullopt},
      {"1306,000", kEnglish, std::nullopt},
      {"1.5", kComma, std::nullopt},
      {"0x10", kPoint, std::nullopt},
      {"inf", kPoint, std::nullopt},
      {"nan", kPoint, std::nullopt},
      {"1e400", kPoint, std::nullopt},
      {"1e", kPoint, std::nullopt},
      {"1D", kPoint, std::nullopt},
      {"--1", kPoint, std::nullopt},
      {".", kPoint, std::nullopt},
      {"", kPoint, std::nullopt},
      {"5 kg", kPoint, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    const std::optional<double> value = ReadFieldNumber(c.field, c.format);
    EXPECT_EQ(value, c.value);
    if (value) EXPECT_EQ(std::signbit(*value), std::signbit(*c.value));
  }
  EXPECT_FALSE(
      ReadFieldNumber(std::string_view("1\0"
                                       "2",
                                       3)));
}

// A comma is a decimal sign only when the fields show it; a thousands
// separator only when one is there; a field two formats read differently
// is named, and the format is left for the user to say.
TEST(NumberFormatGuess, TheFieldsShowTheFormatOrTheFieldInDoubtIsNamed) {
  const struct {
    std::vector<std::string_view> fields;
    bool commaSeparates;
    NumberFormat format;
    const char* undecided;
  } cases[] = {
      {{"1.5", "2", "abc"}, false, kPoint, ""},       {{"1.306", "2.451"}, false, kPoint, ""},
      {{"0,6343", "1,0275"}, false, kComma, ""},      {{"1,306", "687"}, false, kComma, "1,306"},
      {{"1,306", "687", "12,5"}, false, kComma, ""},  {{"1,306", "2.5"}, false, kEnglish, ""},
      {{"1,306", "687"}, true, kEnglish, ""},         {{"1.306,25", "3"}, false, kGerman, ""},
      {{"1.306", "2,5"}, false, kGerman, ""},         {{"1'234.5", "7"}, false, kSwiss, ""},
      {{"1\u202F234,5", "0,25"}, false, kFrench, ""}, {{"NA", "-", ""}, false, kPoint, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.front());
    const NumberFormatGuess guess = GuessNumberFormat(c.fields, c.commaSeparates);
    EXPECT_EQ(guess.format, c.format);
    EXPECT_EQ(guess.undecided, c.undecided);
  }
}

TEST(MissingValues, TheUsualWordsAndEmptyFieldsAreMissingInAnyCase) {
  const std::vector<std::string> markers = DefaultMissingMarkers();
  for (const char* field : {"", "  ", "NA", "na", "NaN", "nan", "N/A", "n/a", "-", "--", "null", "NULL", " NA "})
    EXPECT_TRUE(IsMissingField(field, markers)) << field;
  for (const char* field : {"0", "---", "N", "none", "-1", "NA1"})
    EXPECT_FALSE(IsMissingField(field, markers)) << field;
  EXPECT_EQ(MissingMarkersText(markers), "NA, NaN, N/A, -, --, null");
  EXPECT_EQ(MissingMarkersFromText(" NA ,, ?,-999 "), (std::vector<std::string>{"NA", "?", "-999"}));
  EXPECT_TRUE(IsMissingField("?", MissingMarkersFromText("?")));
}

}  // namespace
}  // namespace rv
