#include "stats/incomplete_beta.h"

#include <cmath>
#include <limits>

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTiny = 1e-300;
constexpr double kEpsilon = 1e-15;
constexpr int kMaxIterations = 1000;

double AvoidZero(double value) { return std::fabs(value) < kTiny ? kTiny : value; }

// The continued fraction of I_x(a, b), evaluated by the modified Lentz
// method; it converges quickly for x below (a + 1) / (a + b + 2).
double BetaContinuedFraction(double a, double b, double x) {
  double c = 1.0;
  double d = 1.0 / AvoidZero(1.0 - (a + b) * x / (a + 1.0));
  double fraction = d;
  for (int m = 1; m <= kMaxIterations; ++m) {
    const double twoM = 2.0 * m;
    const double even = m * (b - m) * x / ((a + twoM - 1.0) * (a + twoM));
    d = 1.0 / AvoidZero(1.0 + even * d);
    c = AvoidZero(1.0 + even / c);
    fraction *= d * c;
    const double odd = -(a + m) * (a + b + m) * x / ((a + twoM) * (a + twoM + 1.0));
    d = 1.0 / AvoidZero(1.0 + odd * d);
    c = AvoidZero(1.0 + odd / c);
    const double step = d * c;
    fraction *= step;
    if (std::fabs(step - 1.0) < kEpsilon) break;
  }
  return fraction;
}

}  // namespace

double RegularizedIncompleteBeta(double a, double b, double x) {
  if (!(a > 0.0) || !(b > 0.0) || !(x >= 0.0 && x <= 1.0)) return kNaN;
  if (x == 0.0) return 0.0;
  if (x == 1.0) return 1.0;
  const double logFront = std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log1p(-x);
  const double front = std::exp(logFront);
  if (x < (a + 1.0) / (a + b + 2.0)) return front * BetaContinuedFraction(a, b, x) / a;
  return 1.0 - front * BetaContinuedFraction(b, a, 1.0 - x) / b;
}

}  // namespace rv
