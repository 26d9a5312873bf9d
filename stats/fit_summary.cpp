#include "stats/fit_summary.h"

#include <cmath>
#include <vector>

#include "regress/sum_of_squares.h"

namespace rv {

FitSummary BuildFitSummary(const ResidualTable& table, double rSquared) {
  const int count = table.pointCount();
  const double n = count;
  // Every value times 2^-exponent of the largest magnitude, exact, so that
  // the squares below neither overflow for Y near 1e300 nor vanish near
  // 1e-300; the standard deviations are brought back by 2^exponent at the end.
  double largest = 0.0;
  for (int i = 0; i < count; ++i)
    largest = std::fmax(largest, std::fmax(std::fabs(table.yObs[static_cast<size_t>(i)]),
                                           std::fabs(table.yCalc[static_cast<size_t>(i)])));
  int exponent = 0;
  if (std::isfinite(largest) && largest > 0.0) std::frexp(largest, &exponent);
  std::vector<double> obs(static_cast<size_t>(count)), calc(static_cast<size_t>(count));
  for (size_t i = 0; i < obs.size(); ++i) {
    obs[i] = std::ldexp(table.yObs[i], -exponent);
    calc[i] = std::ldexp(table.yCalc[i], -exponent);
  }
  // Sums about the means, in two passes, so that a large common offset of Y
  // does not cancel them away: Qoo = n Soo', Qoc = n Soc', Qcc = n Scc'.
  double meanObs = 0.0, meanCalc = 0.0;
  for (size_t i = 0; i < obs.size(); ++i) {
    meanObs += obs[i];
    meanCalc += calc[i];
  }
  meanObs /= n;
  meanCalc /= n;
  const double soo = SumOfSquaresAboutMean(obs.data(), count);
  const double scc = SumOfSquaresAboutMean(calc.data(), count);
  double soc = 0.0;
  for (size_t i = 0; i < obs.size(); ++i) soc += (obs[i] - meanObs) * (calc[i] - meanCalc);
  FitSummary summary;
  summary.rSquared = rSquared;
  // (Qoo - Qoc^2 / Qcc) / (n (n - 2)) with the n's taken out. Never negative
  // but by rounding, as for an exact fit.
  const double unexplained = soo - soc * soc / scc;
  summary.stdError = std::ldexp(std::sqrt((unexplained < 0.0 ? 0.0 : unexplained) / (n - 2.0)), exponent);
  summary.stdDev = std::ldexp(std::sqrt(soo / (n - 1.0)), exponent);
  return summary;
}

}  // namespace rv
