#pragma once

#include <cmath>

namespace rv::testing {

// Two-sided P of Student's t by the closed forms for whole degrees of
// freedom (sums of powers of cos(theta), theta = atan(|t| / sqrt(df))), in
// long double; independent of the incomplete beta function.
inline long double ClosedFormTwoSidedP(long double t, int df) {
  const long double pi = 3.141592653589793238462643383279502884L;
  const long double theta = std::atan(std::fabs(t) / std::sqrt(static_cast<long double>(df)));
  const long double s = std::sin(theta), c = std::cos(theta);
  long double sum = 0.0L;
  long double probability;
  if (df % 2 == 1) {
    long double term = c;
    for (int k = 3; k <= df; k += 2) {
      sum += term;
      term *= c * c * (k - 1) / k;
    }
    probability = 2.0L / pi * (theta + s * sum);
  } else {
    long double term = 1.0L;
    for (int k = 2; k <= df; k += 2) {
      sum += term;
      term *= c * c * (k - 1) / k;
    }
    probability = s * sum;
  }
  return 1.0L - probability;
}

}  // namespace rv::testing
