#include "stats/fit_criteria.h"

#include <cmath>
#include <limits>

#include "stats/f_distribution.h"
#include "stats/student_t.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// n ln(SSE / n), the likelihood part both criteria share; undefined for an
// exact fit, whose likelihood has no maximum.
double LogLikelihoodTerm(double sse, double n) { return sse > 0.0 ? n * std::log(sse / n) : kNaN; }

std::vector<ConfidenceInterval> ConfidenceIntervals(const std::vector<TermStatistics>& terms, int residualDf) {
  const double t = residualDf > 0 ? StudentTCriticalValue(0.05, residualDf) : kNaN;
  std::vector<ConfidenceInterval> intervals;
  for (const TermStatistics& term : terms) {
    const double halfWidth = t * term.stdError;
    if (std::isfinite(halfWidth) && std::isfinite(term.coefficient))
      intervals.push_back({term.coefficient - halfWidth, term.coefficient + halfWidth});
    else
      intervals.push_back({kNaN, kNaN});
  }
  return intervals;
}

}  // namespace

FitCriteria BuildFitCriteria(const EquationStatistics& statistics) {
  const AnovaTable& anova = statistics.anova;
  const double n = statistics.residuals.pointCount();
  const int p = anova.regress.df;
  const double k = p + 1.0;
  const int residualDf = anova.residual.df;
  const double sse = anova.residual.ss;
  const double sst = anova.total.ss;
  const bool hasResidualDf = residualDf > 0;

  FitCriteria criteria;
  criteria.adjustedRSquared =
      hasResidualDf && sst > 0.0 ? 1.0 - (sse / residualDf) / (sst / (n - 1.0)) : kNaN;
  criteria.fStat = hasResidualDf && p > 0 && sse > 0.0 ? ((sst - sse) / p) / (sse / residualDf) : kNaN;
  criteria.fPValue = std::isfinite(criteria.fStat) ? FUpperTailP(criteria.fStat, p, residualDf) : kNaN;

  const double logLikelihood = hasResidualDf ? LogLikelihoodTerm(sse, n) : kNaN;
  const double aiccDf = n - k - 1.0;
  criteria.aicc = aiccDf > 0.0 ? logLikelihood + 2.0 * k + 2.0 * k * (k + 1.0) / aiccDf : kNaN;
  criteria.bic = logLikelihood + k * std::log(n);

  criteria.coefficientCi95 = ConfidenceIntervals(statistics.terms, residualDf);
  return criteria;
}

}  // namespace rv
