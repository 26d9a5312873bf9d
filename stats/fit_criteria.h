#pragma once

#include <string>
#include <vector>

#include "stats/statistics_pass.h"

namespace rv {

struct ConfidenceInterval {
  double lower = 0.0;
  double upper = 0.0;
};

// The statistics users compare fits by, beside those the dialog shows. Each is
// not finite where it is undefined.
struct FitCriteria {
  double adjustedRSquared = 0.0;
  double fStat = 0.0;
  double fPValue = 0.0;
  double aicc = 0.0;
  double bic = 0.0;
  double residualStdError = 0.0;                    // sqrt(SSE / (n - p - 1)), on the scale of Y
  double predictedRSquared = 0.0;                   // 1 - PRESS / SST (regress/leave_one_out.h)
  std::string weighting;                            // the statistics' weighting, empty without
  double chiSquared = 0.0;                          // the weighted residual sum, where weighted
  std::vector<ConfidenceInterval> coefficientCi95;  // one per coefficient, the constant last
};

// With n points, p terms, k = p + 1 coefficients, and the ANOVA table's sums
// of squares on the scale of Y, SSE (residual) and SST (total, about the
// mean): adjusted R squared, AICc and BIC by the formulas the search ranks
// with (regress/ranking_criterion.h), and
//   F = ((SST - SSE) / p) / (SSE / (n - p - 1)), the Regress mean square over
//       the Residual one, with the upper-tail P of F(p, n - p - 1)
// The 95 % confidence interval of each coefficient is coefficient -/+ t Std
// Error on the transformed scale the coefficients are fitted on, with t the
// 97.5 % quantile of Student's t with n - p - 1 degrees of freedom and the
// Std Error of the term statistics (a rational equation's non-linear ones).
// Undefined: everything without residual degrees of freedom; adjusted R
// squared when SST is 0; F and its P with no terms, an exact fit (SSE 0), Y
// constant (SST 0) or an equation, fitted on a transformed scale, that
// predicts Y worse than Y's mean (no Regress sum of squares); AICc and BIC
// with SSE 0, AICc also when n - k - 1 <= 0; an interval whose coefficient
// or Std Error is not finite; predicted R squared where a point's hat value
// is 1 and for a rational equation. A fit weighted by 1 / sigma^2 takes chi
// squared for SSE and the weighted SST of its ANOVA table.
FitCriteria BuildFitCriteria(const EquationStatistics& statistics);

}  // namespace rv
