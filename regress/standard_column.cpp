#include "regress/standard_column.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "regress/point_sums.h"

namespace rv {

namespace {

// Deviations from the mean within this share of the values' own magnitude
// are the rounding of a constant column (a few hundred units in the last
// place), not a spread: a fit on them would fit noise.
constexpr double kRoundingSpread = 1e-14;

}  // namespace

ColumnSpread StandardiseColumn(const double* values, int points, double* standard, ColumnScale& scale) {
  scale = {points > 0 ? values[0] : 0.0, 0.0};
  if (points <= 0) return ColumnSpread::Constant;
  bool allEqual = true;
  double sum = 0.0;
  double largestValue = 0.0;
  for (int i = 0; i < points; ++i) {
    allEqual = allEqual && values[i] == values[0];
    sum += values[i];
    largestValue = std::fmax(largestValue, std::fabs(values[i]));
  }
  if (allEqual) return ColumnSpread::Constant;
  const double roughMean = sum / points;
  double correction = 0.0;
  for (int i = 0; i < points; ++i) correction += values[i] - roughMean;
  const double mean = roughMean + correction / points;
  scale.mean = mean;
  double largestDeviation = 0.0;
  for (int i = 0; i < points; ++i) largestDeviation = std::fmax(largestDeviation, std::fabs(values[i] - mean));
  if (!std::isfinite(largestDeviation) || !std::isfinite(largestValue) || !(largestDeviation >= DBL_MIN) ||
      !(largestDeviation > kRoundingSpread * largestValue))
    return ColumnSpread::Unresolved;
  int exponent = 0;
  std::frexp(largestDeviation, &exponent);
  const double toNearOne = std::ldexp(1.0, -exponent);
  std::vector<double> near(static_cast<size_t>(points));
  for (int i = 0; i < points; ++i) near[static_cast<size_t>(i)] = (values[i] - mean) * toNearOne;
  const double length = std::sqrt(PointDot(near.data(), near.data(), points));
  for (int i = 0; i < points; ++i) standard[i] = near[static_cast<size_t>(i)] / length;
  scale.length = std::ldexp(length, exponent);
  return ColumnSpread::Varies;
}

}  // namespace rv
