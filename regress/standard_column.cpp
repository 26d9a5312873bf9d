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

ColumnSpread StandardiseColumn(const double* values, int points, double* standard, ColumnScale& scale,
                               const double* rootWeights, StandardSteps* steps) {
  scale = {points > 0 ? values[0] : 0.0, 0.0};
  if (points <= 0) return ColumnSpread::Constant;
  auto weight = [rootWeights](int i) { return rootWeights[i] * rootWeights[i]; };
  bool allEqual = true;
  double sum = 0.0;
  double weightSum = points;
  double largestValue = 0.0;
  for (int i = 0; i < points; ++i) {
    allEqual = allEqual && values[i] == values[0];
    largestValue = std::fmax(largestValue, std::fabs(values[i]));
  }
  if (allEqual) return ColumnSpread::Constant;
  if (rootWeights == nullptr) {
    for (int i = 0; i < points; ++i) sum += values[i];
  } else {
    weightSum = 0.0;
    for (int i = 0; i < points; ++i) {
      sum += weight(i) * values[i];
      weightSum += weight(i);
    }
  }
  const double roughMean = sum / weightSum;
  double correction = 0.0;
  if (rootWeights == nullptr) {
    for (int i = 0; i < points; ++i) correction += values[i] - roughMean;
  } else {
    for (int i = 0; i < points; ++i) correction += weight(i) * (values[i] - roughMean);
  }
  const double mean = roughMean + correction / weightSum;
  scale.mean = mean;
  std::vector<double> deviations(static_cast<size_t>(points));
  double largestDeviation = 0.0;
  double largestWeighted = 0.0;
  for (int i = 0; i < points; ++i) {
    const double deviation = values[i] - mean;
    largestDeviation = std::fmax(largestDeviation, std::fabs(deviation));
    deviations[static_cast<size_t>(i)] = rootWeights == nullptr ? deviation : rootWeights[i] * deviation;
    largestWeighted = std::fmax(largestWeighted, std::fabs(deviations[static_cast<size_t>(i)]));
  }
  if (!std::isfinite(largestDeviation) || !std::isfinite(largestValue) || !(largestDeviation >= DBL_MIN) ||
      !(largestDeviation > kRoundingSpread * largestValue) || !std::isfinite(largestWeighted) ||
      !(largestWeighted >= DBL_MIN))
    return ColumnSpread::Unresolved;
  int exponent = 0;
  std::frexp(largestWeighted, &exponent);
  const double toNearOne = std::ldexp(1.0, -exponent);
  for (double& deviation : deviations) deviation = deviation * toNearOne;
  const double length = std::sqrt(PointDot(deviations.data(), deviations.data(), points));
  for (int i = 0; i < points; ++i) standard[i] = deviations[static_cast<size_t>(i)] / length;
  scale.length = std::ldexp(length, exponent);
  if (steps != nullptr) *steps = {mean, toNearOne, length};
  return ColumnSpread::Varies;
}

}  // namespace rv
