#include "stats/fit_summary.h"

#include <cmath>

namespace rv {

FitSummary BuildFitSummary(const ResidualTable& table, double rSquared) {
  double so = 0.0, sc = 0.0, soo = 0.0, scc = 0.0, soc = 0.0;
  for (int i = 0; i < table.pointCount(); ++i) {
    const double obs = table.yObs[static_cast<size_t>(i)];
    const double calc = table.yCalc[static_cast<size_t>(i)];
    so += obs;
    sc += calc;
    soo += obs * obs;
    scc += calc * calc;
    soc += obs * calc;
  }
  const double n = table.pointCount();
  const double qoo = n * soo - so * so;
  const double qoc = n * soc - so * sc;
  const double qcc = n * scc - sc * sc;
  FitSummary summary;
  summary.rSquared = rSquared;
  // Never negative but by rounding, as for an exact fit.
  const double unexplained = qoo - qoc * qoc / qcc;
  summary.stdError = std::sqrt((unexplained < 0.0 ? 0.0 : unexplained) / (n * (n - 2.0)));
  summary.stdDev = std::sqrt(std::fabs(qoo) / ((n - 1.0) * n));
  return summary;
}

}  // namespace rv
