#pragma once

namespace rv {

// The regularized incomplete beta function I_x(a, b) for a, b > 0 and
// 0 <= x <= 1; not finite for arguments outside that domain. The tails of
// Student's t and of the F distribution are both made from it.
double RegularizedIncompleteBeta(double a, double b, double x);

}  // namespace rv
