#include "stats/fit_summary.h"

#include <cmath>

#include "regress/sum_of_squares.h"

namespace rv {

FitSummary BuildFitSummary(const ResidualTable& table, double rSquared) {
  const int count = table.pointCount();
  const double n = count;
  // Sums about the means, in two passes, so that a large common offset of Y
  // does not cancel them away: Qoo = n Soo', Qoc = n Soc', Qcc = n Scc'.
  double meanObs = 0.0, meanCalc = 0.0;
  for (int i = 0; i < count; ++i) {
    meanObs += table.yObs[static_cast<size_t>(i)];
    meanCalc += table.yCalc[static_cast<size_t>(i)];
  }
  meanObs /= n;
  meanCalc /= n;
  const double soo = SumOfSquaresAboutMean(table.yObs.data(), count);
  const double scc = SumOfSquaresAboutMean(table.yCalc.data(), count);
  double soc = 0.0;
  for (int i = 0; i < count; ++i)
    soc += (table.yObs[static_cast<size_t>(i)] - meanObs) * (table.yCalc[static_cast<size_t>(i)] - meanCalc);
  FitSummary summary;
  summary.rSquared = rSquared;
  // (Qoo - Qoc^2 / Qcc) / (n (n - 2)) with the n's taken out. Never negative
  // but by rounding, as for an exact fit.
  const double unexplained = soo - soc * soc / scc;
  summary.stdError = std::sqrt((unexplained < 0.0 ? 0.0 : unexplained) / (n - 2.0));
  summary.stdDev = std::sqrt(soo / (n - 1.0));
  return summary;
}

}  // namespace rv
