#pragma once

namespace rv {

// The regularized incomplete beta function I_x(a, b) for a, b > 0 and
// 0 <= x <= 1; not finite for arguments outside that domain.
double RegularizedIncompleteBeta(double a, double b, double x);

// Two-sided P value of Student's t distribution with df degrees of freedom:
// the probability that |T| is at least |t|. Not finite when df <= 0 or t is
// not a number.
double TwoSidedStudentP(double t, double df);

}  // namespace rv
