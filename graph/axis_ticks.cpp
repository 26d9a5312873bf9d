#include "graph/axis_ticks.h"

#include <cmath>

namespace rv {

namespace {

// The decimal exponent and leading digit (1, 2 or 5) of a round step.
struct RoundParts {
  int exponent = 0;
  int digit = 1;
};

RoundParts PartsOf(double step) {
  const int exponent = static_cast<int>(std::floor(std::log10(step) + 1e-9));
  const double digit = step / std::pow(10.0, exponent);
  return {exponent, static_cast<int>(std::lround(digit))};
}

// k × digit × 10^exponent, divided by a power of ten for a negative exponent
// so that decimal ticks come out as the doubles nearest their decimals.
double Multiple(long long k, const RoundParts& parts) {
  const double units = static_cast<double>(k) * parts.digit;
  return parts.exponent >= 0 ? units * std::pow(10.0, parts.exponent) : units / std::pow(10.0, -parts.exponent);
}

}  // namespace

double RoundStep(double span, int intervals) {
  if (!(span > 0.0) || !std::isfinite(span)) return 0.0;
  const double raw = span / (intervals < 1 ? 1 : intervals);
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  const double scale = std::pow(10.0, exponent);
  const double fraction = raw / scale;
  int digit = 10;
  for (const int candidate : {1, 2, 5})
    if (fraction <= candidate * (1.0 + 1e-9)) {
      digit = candidate;
      break;
    }
  if (digit == 10) {
    digit = 1;
    ++exponent;
  }
  return Multiple(1, {exponent, digit});
}

std::vector<double> TicksWithin(double low, double high, double step, int maxTicks) {
  std::vector<double> ticks;
  if (!(step > 0.0) || !std::isfinite(step) || !(low <= high)) return ticks;
  const RoundParts parts = PartsOf(step);
  const double first = std::ceil(low / step - 1e-9);
  const double last = std::floor(high / step + 1e-9);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first + 1 > maxTicks) return ticks;
  for (long long k = static_cast<long long>(first); k <= static_cast<long long>(last); ++k)
    ticks.push_back(Multiple(k, parts));
  return ticks;
}

double AxisTicks::value(long long multiple) const { return Multiple(multiple, PartsOf(fine)); }

AxisTicks AxisTicksWithin(double low, double high, int intervals, long long maxFine) {
  AxisTicks ticks;
  ticks.step = RoundStep(high - low, intervals);
  if (!(ticks.step > 0.0)) return ticks;
  const RoundParts step = PartsOf(ticks.step);
  ticks.fine = Multiple(1, {step.exponent - 1, 1});
  ticks.perStep = 10LL * step.digit;
  const double first = std::ceil(low / ticks.fine - 1e-9);
  const double last = std::floor(high / ticks.fine + 1e-9);
  // A multiple must fit its integer; a range that narrow has no ticks to show anyway.
  constexpr double kLargestMultiple = 1e18;
  if (!(std::fabs(first) < kLargestMultiple && std::fabs(last) < kLargestMultiple) ||
      last - first + 1 > static_cast<double>(maxFine))
    return {};
  for (long long k = static_cast<long long>(first); k <= static_cast<long long>(last); ++k)
    ticks.multiples.push_back(k);
  return ticks;
}

}  // namespace rv
