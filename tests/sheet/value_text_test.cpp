#include "sheet/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace rv {
namespace {

TEST(GeneralDisplay, DropsTheTwelfthDecimalTrailingZerosAndABarePoint) {
  EXPECT_EQ(FormatValueText(1.5, ValueTextMode::General), "1.5");
  EXPECT_EQ(FormatValueText(2.0, ValueTextMode::General), "2");
  EXPECT_EQ(FormatValueText(-0.5, ValueTextMode::General), "-0.5");
  EXPECT_EQ(FormatValueText(100.0, ValueTextMode::General), "100");
  EXPECT_EQ(FormatValueText(1e-12, ValueTextMode::General), "0");
  EXPECT_EQ(FormatValueText(0.12345678901234, ValueTextMode::General), "0.12345678901");
  EXPECT_EQ(FormatValueText(10.000000000019, ValueTextMode::General), "10.00000000001");
  EXPECT_EQ(FormatValueText(0.0, ValueTextMode::General), "0");
  EXPECT_EQ(FormatValueText(EmptyValue, ValueTextMode::General), "");
}

TEST(ExactDisplay, IsTheShortestTextThatReadsBackAsTheSameDouble) {
  const std::pair<double, const char*> cases[] = {{250.0, "250"},       {400.0, "400"},   {0.1, "0.1"},
                                                  {312.145, "312.145"}, {1e-25, "1E-25"}, {1.5e20, "1.5E+20"},
                                                  {-0.0001, "-0.0001"}, {0.0, "0"},       {EmptyValue, ""}};
  for (const auto& [value, text] : cases) EXPECT_EQ(ExactValueText(value), text) << text;
  for (const double value : {2.0e-25 / 3.0, 73354588.123456789, 1.0 / 3.0, std::nextafter(1.5e-25, 1.0)}) {
    const std::string text = ExactValueText(value);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
  }
}

TEST(ScientificDisplay, HasTwelveDecimalsAndATwoDigitExponent) {
  EXPECT_EQ(FormatValueText(150.0, ValueTextMode::Scientific), "1.500000000000E+02");
  EXPECT_EQ(FormatValueText(-0.0025, ValueTextMode::Scientific), "-2.500000000000E-03");
  EXPECT_EQ(FormatValueText(1e-150, ValueTextMode::Scientific), "1.000000000000E-150");
  EXPECT_EQ(FormatValueText(EmptyValue, ValueTextMode::Scientific), "");
}

TEST(TwoDigitExponent, KeepsTwoDigitsAndTrimsALeadingZeroOfThree) {
  EXPECT_EQ(TwoDigitExponent("1.5E+002"), "1.5E+02");
  EXPECT_EQ(TwoDigitExponent("2.5000E-003"), "2.5000E-03");
  EXPECT_EQ(TwoDigitExponent("1.0E+5"), "1.0E+05");
  EXPECT_EQ(TwoDigitExponent("1.0E+123"), "1.0E+123");
  EXPECT_EQ(TwoDigitExponent("      DATA  A  / +1.5E+002/"), "      DATA  A  / +1.5E+02/");
  EXPECT_EQ(TwoDigitExponent("Y = aX1 + bE"), "Y = aX1 + bE");
}

TEST(CellDisplay, FollowsTheColumnFormat) {
  DataSheet sheet;
  sheet.cell(0, 1) = 12.345678;
  EXPECT_EQ(FormatCellText(sheet, 0, 1), "12.345678");
  sheet.formats[1] = {FormatKind::Number, 3};
  EXPECT_EQ(FormatCellText(sheet, 0, 1), "12.346");
  sheet.formats[1] = {FormatKind::Number, 0};
  EXPECT_EQ(FormatCellText(sheet, 0, 1), "12");
  sheet.formats[1] = {FormatKind::Scientific, 2};
  EXPECT_EQ(FormatCellText(sheet, 0, 1), "1.23E+01");
  sheet.formats[1] = {FormatKind::Scientific, 99};  // places beyond 12 are read as 12
  EXPECT_EQ(FormatCellText(sheet, 0, 1), "1.234567800000E+01");
  EXPECT_EQ(FormatCellText(sheet, 1, 1), "");
}

// Fixed decimals would show a tiny value as a zero it is not: the grid and
// the entry line show it in scientific form instead, and a true zero, an
// empty cell and every other value as before.
TEST(CellDisplay, ATinyValueShowsInScientificFormNeverAsZero) {
  const struct {
    double value;
    ColumnFormat format;
    const char* cell;
    const char* entry;
  } cases[] = {
      {1.602176634e-19, {}, "1.602176634E-19", "1.602176634E-19"},
      {-2.5e-308, {}, "-2.5E-308", "-2.5E-308"},
      {4e-12, {}, "4E-12", "4E-12"},
      {0.001, {FormatKind::Number, 2}, "1.00E-03", "0.001"},
      {-0.004, {FormatKind::Number, 0}, "-4E-03", "-0.004"},
      {0.0, {}, "0", "0"},
      {-0.0, {FormatKind::Number, 2}, "-0.00", "-0"},
      {0.25, {FormatKind::Number, 0}, "2E-01", "0.25"},
      {1.5, {}, "1.5", "1.5"},
      {EmptyValue, {}, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    DataSheet sheet;
    sheet.cell(0, 1) = c.value;
    sheet.formats[1] = c.format;
    EXPECT_EQ(ShownCellText(sheet, 0, 1), c.cell);
    EXPECT_EQ(ShownEntryText(c.value), c.entry);
  }
}

TEST(FormatText, HandlesLongOutput) {
  EXPECT_EQ(FormatText("%s-%d", std::string(300, 'x').c_str(), 7).size(), 302u);
  EXPECT_EQ(FormatValueText(1e300, ValueTextMode::General).size(), 301u);
  EXPECT_EQ(FormatValueText(std::numeric_limits<double>::infinity(), ValueTextMode::General), "inf");
}

}  // namespace
}  // namespace rv
