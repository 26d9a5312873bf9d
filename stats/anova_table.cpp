#include "stats/anova_table.h"

#include <limits>
#include <vector>

#include "regress/sum_of_squares.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double MeanSquare(double ss, int df) { return df > 0 ? ss / df : kNaN; }

}  // namespace

AnovaTable BuildAnovaTable(const ResidualTable& table, int termCount) {
  const int n = table.pointCount();
  double ssRes = 0.0;
  double sst = 0.0;
  if (table.weighted()) {
    std::vector<double> rootWeights;
    for (const double sigma : table.sigma) rootWeights.push_back(1.0 / sigma);
    sst = WeightedSumOfSquaresAboutMean(table.yObs.data(), rootWeights.data(), n);
    for (int i = 0; i < n; ++i) ssRes += table.normalisedResidual(i) * table.normalisedResidual(i);
  } else {
    sst = SumOfSquaresAboutMean(table.yObs.data(), n);
    for (int i = 0; i < n; ++i) ssRes += table.difference(i) * table.difference(i);
  }
  // No spread to explain, or an equation (fitted on a transformed scale)
  // that predicts Y worse than its mean: no explained sum of squares.
  const double explained = sst > 0.0 && sst >= ssRes ? sst - ssRes : kNaN;
  AnovaTable anova;
  anova.regress = {termCount, explained, MeanSquare(explained, termCount)};
  anova.residual = {n - termCount - 1, ssRes, MeanSquare(ssRes, n - termCount - 1)};
  anova.total = {n - 1, sst, kNaN};
  return anova;
}

}  // namespace rv
