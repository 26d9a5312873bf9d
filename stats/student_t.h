#pragma once

namespace rv {

// Two-sided P value of Student's t distribution with df degrees of freedom:
// the probability that |T| is at least |t|. Not finite when df <= 0 or t is
// not a number.
double TwoSidedStudentP(double t, double df);

// The critical value of Student's t: the t >= 0 whose two-sided P value with
// df degrees of freedom is twoSidedP (0.05 gives the 97.5 % quantile that a
// 95 % confidence interval uses). Not finite when df <= 0 or twoSidedP lies
// outside (0, 1]; 0 for twoSidedP = 1.
double StudentTCriticalValue(double twoSidedP, double df);

}  // namespace rv
