#include "stats/anova_table.h"

#include <limits>

namespace rv {

namespace {

double MeanSquare(double ss, int df) {
  return df > 0 ? ss / df : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

AnovaTable BuildAnovaTable(const ResidualTable& table, int termCount) {
  const int n = table.pointCount();
  double sum = 0.0;
  for (int i = 0; i < n; ++i) sum += table.yObs[static_cast<size_t>(i)];
  const double mean = n > 0 ? sum / n : 0.0;
  double sst = 0.0, sse = 0.0;
  for (int i = 0; i < n; ++i) {
    const double spread = table.yObs[static_cast<size_t>(i)] - mean;
    const double difference = table.difference(i);
    sst += spread * spread;
    sse += difference * difference;
  }
  AnovaTable anova;
  anova.regress = {termCount, sst - sse, MeanSquare(sst - sse, termCount)};
  anova.residual = {n - termCount - 1, sse, MeanSquare(sse, n - termCount - 1)};
  anova.total = {n - 1, sst, std::numeric_limits<double>::quiet_NaN()};
  return anova;
}

}  // namespace rv
