#include "stats/student_t.h"

#include <cmath>
#include <limits>

#include "stats/incomplete_beta.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double TwoSidedStudentP(double t, double df) {
  if (!(df > 0.0) || std::isnan(t)) return kNaN;
  if (std::isinf(t)) return 0.0;
  // P(|T| >= |t|) = I_x(df / 2, 1 / 2) with x = df / (df + t^2).
  return RegularizedIncompleteBeta(0.5 * df, 0.5, 1.0 / (1.0 + t * t / df));
}

double StudentTCriticalValue(double twoSidedP, double df) {
  if (!(df > 0.0) || !(twoSidedP > 0.0 && twoSidedP <= 1.0)) return kNaN;
  if (twoSidedP == 1.0) return 0.0;
  // The P value falls from 1 at t = 0 towards 0: double an upper bound until
  // it brackets the critical value, then halve the bracket until its ends are
  // neighbouring doubles, so the result is as exact as the P value itself.
  double low = 0.0, high = 1.0;
  while (TwoSidedStudentP(high, df) > twoSidedP) {
    low = high;
    high *= 2.0;
    if (std::isinf(high)) return kNaN;
  }
  for (;;) {
    const double middle = low + (high - low) / 2.0;
    if (middle <= low || middle >= high) return middle;
    if (TwoSidedStudentP(middle, df) > twoSidedP) low = middle;
    else high = middle;
  }
}

}  // namespace rv
