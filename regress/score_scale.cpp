#include "regress/score_scale.h"

#include <cmath>

#include "regress/sum_of_squares.h"

namespace rv {

ScoreScale MakeScoreScale(const std::vector<double>& observed, const FormWeights& weights, int points) {
  ScoreScale scale;
  const size_t n = static_cast<size_t>(points);
  std::vector<double> scaled(observed.begin(), observed.begin() + static_cast<std::ptrdiff_t>(n));
  if (!weights.weighted()) {
    scale.squaresExponent = SquaresExponent(observed.data(), points);
    const double toScale = std::ldexp(1.0, -scale.squaresExponent);
    scale.pointScale.assign(n, toScale);
    for (double& y : scaled) y = y * toScale;
    scale.sst = SumOfSquaresAboutMean(scaled.data(), points);
    return scale;
  }
  std::vector<double> weighted(n);
  for (size_t i = 0; i < n; ++i) weighted[i] = observed[i] * weights.scoreWeight[i];
  scale.squaresExponent = SquaresExponent(weighted.data(), points);
  scale.pointScale.resize(n);
  for (size_t i = 0; i < n; ++i) {
    scale.pointScale[i] = std::ldexp(weights.scoreWeight[i], -scale.squaresExponent);
    scaled[i] = std::ldexp(observed[i], -scale.squaresExponent);
  }
  scale.sst = WeightedSumOfSquaresAboutMean(scaled.data(), weights.scoreWeight.data(), points);
  return scale;
}

}  // namespace rv
