#include "graph/label_text.h"

#include <algorithm>
#include <cmath>

#include "sheet/value_text.h"

namespace rv {

namespace {

constexpr size_t kLongestFixedLabel = 8;
constexpr int kMostDigits = 15;

// The decimal exponent of a value's leading digit.
int LeadingExponent(double value) { return static_cast<int>(std::floor(std::log10(std::fabs(value)))); }

// The digits after the step's leading one that it needs: 0 for 5 or 0.2,
// 1 for 2.5, 2 for 0.125; at most 2 more, for a step such as 1/3.
int StepDigits(double step) {
  const double scaled = step / std::pow(10.0, LeadingExponent(step));
  for (int extra = 0; extra <= 2; ++extra) {
    const double digits = scaled * std::pow(10.0, extra);
    if (std::fabs(digits - std::round(digits)) < 1e-6 * digits) return extra;
  }
  return 0;
}

bool IsZero(double value, double step) { return std::fabs(value) < step * 1e-6; }

}  // namespace

std::vector<std::string> AxisLabelTexts(const std::vector<double>& values, double step) {
  std::vector<std::string> texts;
  step = std::fabs(step);
  if (!(step > 0.0) || !std::isfinite(step)) {
    for (const double value : values) texts.push_back(FormatValueText(value, ValueTextMode::General));
    return texts;
  }
  const int stepExponent = LeadingExponent(step);
  const int extra = StepDigits(step);
  const int decimals = std::clamp(extra - stepExponent, 0, kMostDigits);

  bool fixed = true;
  for (const double value : values) {
    if (IsZero(value, step)) continue;
    const std::string text = FormatText("%.*f", decimals, value);
    const bool significant = text.find_first_of("123456789") != std::string::npos;
    fixed = fixed && significant && text.size() <= kLongestFixedLabel;
  }

  double largest = 0.0;
  for (const double value : values) largest = std::max(largest, std::fabs(value));
  const int mantissaDigits =
      std::clamp((largest > 0.0 ? LeadingExponent(largest) : stepExponent) - stepExponent + extra, 0, kMostDigits);
  for (const double value : values) {
    if (IsZero(value, step)) texts.emplace_back("0");
    else if (fixed) texts.push_back(FormatText("%.*f", decimals, value));
    else texts.push_back(TwoDigitExponent(FormatText("%.*E", mantissaDigits, value)));
  }
  return texts;
}

}  // namespace rv
