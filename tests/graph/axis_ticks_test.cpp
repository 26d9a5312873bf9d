// Axis labels stand at round numbers and say them right to their last
// digit, across every power of ten, at every scale a zoom may show.

#include "graph/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "graph/label_text.h"

namespace rv {
namespace {

// Half a unit of the label's last digit: of its last decimal in fixed form,
// of its mantissa's last decimal times the power in scientific form.
double HalfUnitOfLastDigit(const std::string& text) {
  const size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  const size_t point = mantissa.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// The labels of these ticks a step apart: each reads back as a whole
// number, within half a unit of its last digit of its tick, and tells its
// neighbours apart; the ticks are round multiples of the step, evenly
// spaced, inside the range.
void ExpectRightLabels(const std::vector<double>& values, double step, double low, double high,
                       const std::string& where) {
  ASSERT_FALSE(values.empty()) << where;
  const std::vector<std::string> texts = AxisLabelTexts(values, step);
  ASSERT_EQ(texts.size(), values.size()) << where;
  for (size_t i = 0; i < values.size(); ++i) {
    const std::string& text = texts[i];
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    ASSERT_EQ(*end, '\0') << where << ": \"" << text << "\"";
    EXPECT_LE(std::fabs(read - values[i]), HalfUnitOfLastDigit(text) * (1 + 1e-9))
        << where << ": \"" << text << "\" for " << values[i];
    const double multiple = values[i] / step;
    EXPECT_NEAR(multiple, std::round(multiple), 1e-6) << where << ": " << values[i] << " is no multiple of " << step;
    EXPECT_GE(values[i], low - step * 1e-6) << where;
    EXPECT_LE(values[i], high + step * 1e-6) << where;
    if (i > 0) {
      EXPECT_NE(text, texts[i - 1]) << where;
      EXPECT_NEAR(values[i] - values[i - 1], step, step * 1e-6) << where;
    }
  }
}

TEST(AxisTicks, LabelsAreRoundAndRightToTheirLastDigitAcrossEveryPowerOfTen) {
  struct Shape {
    const char* name;
    double low, high;  // in units of the power of ten
  };
  const Shape shapes[] = {{"positive", 1.07, 1.67},      {"from zero", 0.0, 9.5},  {"negative", -3.3, -1.1},
                          {"mixed", -2.5, 7.1},          {"wide", 0.97, 290.0},    {"offset, zoomed", 5.0013, 5.0021},
                          {"below one", 0.0011, 0.0097}, {"across ten", 9.7, 10.6}};
  int checked = 0;
  for (int power = -30; power <= 30; ++power)
    for (const Shape& shape : shapes)
      for (const int intervals : {1, 3, 10, 50}) {
        const double scale = std::pow(10.0, power);
        const double low = shape.low * scale;
        const double high = shape.high * scale;
        const std::string where =
            std::string(shape.name) + " e" + std::to_string(power) + " in " + std::to_string(intervals);
        const AxisTicks ticks = AxisTicksWithin(low, high, intervals);
        ASSERT_GT(ticks.step, 0.0) << where;
        // The step is 1, 2 or 5 times a power of ten, and the range takes at
        // most the intervals asked for.
        const double digit = ticks.step / std::pow(10.0, std::floor(std::log10(ticks.step) + 1e-9));
        EXPECT_TRUE(std::fabs(digit - 1) < 1e-9 || std::fabs(digit - 2) < 1e-9 || std::fabs(digit - 5) < 1e-9)
            << where << ": " << ticks.step;
        EXPECT_LE((high - low) / ticks.step, intervals * (1 + 1e-9)) << where;
        // The whole view's labels, then those a zoom shows at the finest step.
        std::vector<double> coarse;
        std::vector<double> fine;
        for (const long long multiple : ticks.multiples) {
          fine.push_back(ticks.value(multiple));
          if (ticks.onStep(multiple)) coarse.push_back(ticks.value(multiple));
        }
        if (!coarse.empty()) ExpectRightLabels(coarse, ticks.step, low, high, where + ", whole view");
        ExpectRightLabels(fine, ticks.fine, low, high, where + ", zoomed");
        ++checked;
        if (::testing::Test::HasFailure()) return;
      }
  EXPECT_EQ(checked, 61 * 8 * 4);
}

// The labels of the range, and a round step's texts: no digit lost.
TEST(AxisTicks, TheLabelsOfARangeNearTwentySixPowersOfTenKeepTheirDigits) {
  const AxisTicks ticks = AxisTicksWithin(1.07e26, 1.67e26, 10);
  EXPECT_EQ(ticks.step, 1e25);
  std::vector<double> values;
  for (const long long multiple : ticks.multiples)
    if (ticks.onStep(multiple)) values.push_back(ticks.value(multiple));
  EXPECT_EQ(AxisLabelTexts(values, ticks.step),
            (std::vector<std::string>{"1.1E+26", "1.2E+26", "1.3E+26", "1.4E+26", "1.5E+26", "1.6E+26"}));
  const AxisTicks across = AxisTicksWithin(9.5e25, 1.15e26, 4);
  std::vector<double> near;
  for (const long long multiple : across.multiples)
    if (across.onStep(multiple)) near.push_back(across.value(multiple));
  EXPECT_EQ(AxisLabelTexts(near, across.step),
            (std::vector<std::string>{"9.50E+25", "1.00E+26", "1.05E+26", "1.10E+26", "1.15E+26"}));
}

}  // namespace
}  // namespace rv
