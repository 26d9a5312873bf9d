#include "stats/term_statistics.h"

#include <cmath>
#include <limits>

#include "stats/coefficient_covariance.h"
#include "stats/gram_inverse.h"
#include "stats/student_t.h"
#include "stats/term_label.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The asymptotic errors of a rational equation: the diagonal of the inverse
// of J'J, J its derivatives by a, b and c at the data points, times s^2.
std::vector<double> RationalStdErrors(const FitWorkspace& workspace, const CoefficientCovariance& covariance) {
  std::vector<double> errors(3, kNaN);
  if (!covariance.defined) return errors;
  if (const auto diagonal = GramInverseDiagonal(RationalSensitivityColumns(workspace)))
    for (size_t k = 0; k < errors.size(); ++k) errors[k] = std::sqrt(covariance.residualVariance * (*diagonal)[k]);
  return errors;
}

// The standard errors from the fit's own factorisation of the standardised
// columns z_j = (x_j - mean_j) / length_j (CoefficientCovariance).
// Coefficient j is beta_j times Y's length over length_j; the constant is
// the fitted value where every term is 0. Every sum is taken in the
// standardised scale and multiplied by Y's length last, so that no square
// overflows for Y of any magnitude.
std::vector<double> FactorStdErrors(const FitWorkspace& workspace, const CoefficientCovariance& covariance) {
  const int p = workspace.constantColumn;
  std::vector<double> errors(static_cast<size_t>(p + 1), kNaN);
  if (!covariance.defined) return errors;
  const double variance = covariance.residualVariance;
  const double yLength = covariance.yScale;
  for (int j = 0; j < p; ++j) {
    double share = 0.0;
    for (int k = j; k < p; ++k) {
      const double entry = covariance.w[static_cast<size_t>(j)][static_cast<size_t>(k)];
      share += entry * entry * covariance.inverseSquares[static_cast<size_t>(k)];
    }
    errors[static_cast<size_t>(j)] =
        yLength / workspace.columnScales[static_cast<size_t>(j)].length * std::sqrt(variance * share);
  }
  errors[static_cast<size_t>(p)] = yLength * std::sqrt(variance * UnscaledVarianceAt(covariance, workspace, {}));
  return errors;
}

}  // namespace

std::vector<TermStatistics> BuildTermStatistics(const FitWorkspace& workspace) {
  const int count = workspace.coefficientCount();
  const int residualDf = workspace.pointCount - count;
  const CoefficientCovariance covariance = BuildCoefficientCovariance(workspace);
  const std::vector<double> stdErrors =
      workspace.candidate.rational ? RationalStdErrors(workspace, covariance) : FactorStdErrors(workspace, covariance);
  const std::vector<std::string> labels =
      workspace.candidate.rational ? RationalTermLabels(workspace.candidate) : TermLabels(workspace.text, count);
  std::vector<TermStatistics> terms(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    TermStatistics& term = terms[static_cast<size_t>(k)];
    term.label = labels[static_cast<size_t>(k)];
    term.coefficient = workspace.coefficients[k];
    term.stdError = stdErrors[static_cast<size_t>(k)];
    const bool testable = std::isfinite(term.stdError) && term.stdError > 0.0 && std::isfinite(term.coefficient);
    term.tStat = testable ? term.coefficient / term.stdError : kNaN;
    term.pValue = testable ? TwoSidedStudentP(term.tStat, residualDf) : kNaN;
  }
  return terms;
}

}  // namespace rv
