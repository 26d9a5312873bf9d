#include "stats/fit_criteria.h"

#include <cmath>
#include <limits>

#include "regress/ranking_criterion.h"
#include "stats/f_distribution.h"
#include "stats/student_t.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<ConfidenceInterval> ConfidenceIntervals(const std::vector<TermStatistics>& terms, int residualDf) {
  const double t = residualDf > 0 ? StudentTCriticalValue(0.05, residualDf) : kNaN;
  std::vector<ConfidenceInterval> intervals;
  for (const TermStatistics& term : terms) {
    const double halfWidth = t * term.stdError;
    if (std::isfinite(halfWidth) && std::isfinite(term.coefficient))
      intervals.push_back({term.coefficient - halfWidth, term.coefficient + halfWidth});
    else intervals.push_back({kNaN, kNaN});
  }
  return intervals;
}

}  // namespace

FitCriteria BuildFitCriteria(const EquationStatistics& statistics) {
  const AnovaTable& anova = statistics.anova;
  const int n = statistics.residuals.pointCount();
  const int p = anova.regress.df;
  const int residualDf = anova.residual.df;
  const double ssRes = anova.residual.ss;
  const double sst = anova.total.ss;
  const bool hasResidualDf = residualDf > 0;

  FitCriteria criteria;
  criteria.adjustedRSquared = AdjustedRSquared(ssRes, sst, n, p + 1);
  criteria.fStat = hasResidualDf && p > 0 && ssRes > 0.0 && anova.regress.ss >= 0.0
                       ? ((sst - ssRes) / p) / (ssRes / residualDf)
                       : kNaN;
  criteria.fPValue = std::isfinite(criteria.fStat) ? FUpperTailP(criteria.fStat, p, residualDf) : kNaN;
  criteria.aicc = Aicc(ssRes, n, p + 1);
  criteria.bic = Bic(ssRes, n, p + 1);
  criteria.residualStdError = hasResidualDf ? std::sqrt(ssRes / residualDf) : kNaN;
  criteria.predictedRSquared = statistics.predictedRSquared;
  criteria.weighting = statistics.weighting;
  criteria.chiSquared = ssRes;
  criteria.coefficientCi95 = ConfidenceIntervals(statistics.terms, residualDf);
  return criteria;
}

}  // namespace rv
