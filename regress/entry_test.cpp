#include "regress/entry_test.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace rv {

namespace {

// The smallest residual sum at which R squared no longer exceeds the
// threshold, found on the bits of the sum (non-negative doubles order like
// their bit patterns), so that it is exact; +infinity when SST is not
// positive (no early stop).
double RSquaredResidualLimit(double threshold, double sst) {
  if (!(sst > 0.0)) return std::numeric_limits<double>::infinity();
  auto rulesOut = [&](double ssRes) { return !(ResidualScore{ssRes, sst}.rSquared() > threshold); };
  if (rulesOut(0.0)) return 0.0;
  std::uint64_t low = 0;
  std::uint64_t high = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());
  while (high - low > 1) {
    const std::uint64_t middle = low + (high - low) / 2;
    if (rulesOut(std::bit_cast<double>(middle))) high = middle;
    else low = middle;
  }
  return std::bit_cast<double>(high);
}

// The other criteria solved for the residual sum at which their merit
// reaches the bound, raised by a relative 1e-8: the rounding of the
// criterion (a few units in the last place of values below 1e5) moves it by
// far less, so every larger sum is ruled out by the exact test too. 0 when
// the criterion is undefined for this many coefficients.
double CriterionResidualLimit(RankingCriterion criterion, double bound, double sst, int points, int coefficients,
                              int squaresExponent) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (bound == -kInfinity) return kInfinity;
  const double n = points;
  const double k = coefficients;
  double limit = kInfinity;
  switch (criterion) {
    case RankingCriterion::RSquared:
    case RankingCriterion::PredictedRSquared: return RSquaredResidualLimit(bound, sst);
    case RankingCriterion::AdjustedRSquared:
      // 1 - (SSE / (N - k)) / (SST / (N - 1)) > bound
      if (!(n - k >= 1.0) || !(sst > 0.0)) return 0.0;
      limit = (1.0 - bound) * (sst / (n - 1.0)) * (n - k);
      break;
    case RankingCriterion::Aicc:
      // N ln(SSE / N) + penalty < -bound
      if (!(n - k - 1.0 >= 1.0)) return 0.0;
      limit = n * std::exp((-bound - (2.0 * k + 2.0 * k * (k + 1.0) / (n - k - 1.0))) / n);
      break;
    case RankingCriterion::Bic:
      if (!(n - k >= 1.0)) return 0.0;
      limit = n * std::exp((-bound - k * std::log(n)) / n);
      break;
  }
  limit = std::ldexp(limit, -2 * squaresExponent);
  if (!(limit > 0.0)) return 0.0;
  // A limit lost below the smallest doubles would wrongly rule out an exact
  // fit's neighbours; no criterion gets there on real data.
  return std::max(limit * (1.0 + 1e-8), 1e-290);
}

}  // namespace

EntryTest::EntryTest(RankingCriterion rankingCriterion, double meritBound, double totalSquares, int pointCount,
                     int coefficientCount, int exponent)
    : criterion(rankingCriterion),
      bound(meritBound),
      sst(totalSquares),
      points(pointCount),
      coefficients(coefficientCount),
      squaresExponent(exponent) {
  if (criterion == RankingCriterion::RSquared) {
    residualLimit = RSquaredResidualLimit(std::max(bound, 0.0), sst);
    return;
  }
  // The leave-one-out sum has no bound from R squared above 0: a predicted
  // R squared may be negative.
  if (criterion == RankingCriterion::PredictedRSquared) {
    residualLimit = RSquaredResidualLimit(bound, sst);
    return;
  }
  // R squared above 0 needs SSE / SST below 1, so SSE below SST.
  const double positive = sst > 0.0 ? sst : std::numeric_limits<double>::infinity();
  residualLimit =
      std::min(positive, CriterionResidualLimit(criterion, bound, sst, points, coefficients, squaresExponent));
}

}  // namespace rv
