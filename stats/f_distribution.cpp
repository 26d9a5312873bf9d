#include "stats/f_distribution.h"

#include <cmath>
#include <limits>

#include "stats/incomplete_beta.h"

namespace rv {

double FUpperTailP(double f, double d1, double d2) {
  if (!(d1 > 0.0) || !(d2 > 0.0) || std::isnan(f)) return std::numeric_limits<double>::quiet_NaN();
  if (f <= 0.0) return 1.0;
  if (std::isinf(f)) return 0.0;
  // P(F >= f) = I_x(d2 / 2, d1 / 2) with x = d2 / (d2 + d1 f); a large f gives
  // a small x, which keeps its relative precision, so tiny P values do too.
  return RegularizedIncompleteBeta(0.5 * d2, 0.5 * d1, d2 / (d2 + d1 * f));
}

}  // namespace rv
