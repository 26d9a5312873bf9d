#pragma once

#include <string>
#include <vector>

#include "regress/fit_workspace.h"

namespace rv {

// The statistics of one coefficient of the fitted equation, on the
// transformed scale of Y. Std Error, t Stat and P Value are not finite where
// they are undefined: no residual degrees of freedom, a singular design, or a
// standard error of zero (an exact fit) for t and P.
struct TermStatistics {
  std::string label;  // see TermLabel
  double coefficient = 0.0;
  double stdError = 0.0;
  double tStat = 0.0;
  double pValue = 0.0;
};

// With s^2 = sum of (transformed Y - fitted)^2 / (N - p - 1): Std Error of
// coefficient k = sqrt(s^2 [(X'X)^-1]kk), taken from the fit's orthogonal
// factorisation, t Stat = coefficient / Std Error,
// P Value = the two-sided P of Student's t with N - p - 1 degrees of
// freedom. For a rational equation the fitted values are its own and X holds
// the derivatives of (a u + c) / (1 - b x) by a, b and c, the asymptotic
// errors of a non-linear fit. A fit weighted by 1 / sigma^2 weights every
// square and every row of X alike (s^2 is then chi squared over the degrees
// of freedom). One entry per coefficient, the constant last.
std::vector<TermStatistics> BuildTermStatistics(const FitWorkspace& workspace);

}  // namespace rv
