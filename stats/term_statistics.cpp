#include "stats/term_statistics.h"

#include <cmath>
#include <limits>

#include "stats/gram_inverse.h"
#include "stats/student_t.h"
#include "stats/term_label.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// 1 / sigma of the transformed Y at a point, 1 without weights.
double RootWeight(const FitWorkspace& workspace, int point) {
  return workspace.weights.weighted() ? workspace.weights.rootWeight[static_cast<size_t>(point)] : 1.0;
}

// The columns whose Gram inverse, times s^2, is the asymptotic covariance of
// a rational equation's coefficients. It is not linear in b (its linearised
// design has Y on both sides), so its columns are the derivatives of
// (a u + c) / (1 - b x) with respect to a, b and c at each point, each
// times the point's root weight in a weighted fit.
std::vector<std::vector<double>> RationalSensitivityColumns(const FitWorkspace& workspace) {
  const int n = workspace.pointCount;
  std::vector<std::vector<double>> columns(3, std::vector<double>(static_cast<size_t>(n)));
  for (int i = 0; i < n; ++i) {
    const size_t row = static_cast<size_t>(i);
    const double u = workspace.design[row][0];
    const double x = workspace.denominatorX[row];
    const double denominator = 1.0 - workspace.coefficients[1] * x;
    const double rootWeight = RootWeight(workspace, i);
    columns[0][row] = u / denominator * rootWeight;
    columns[1][row] = FittedValue(workspace, i) * x / denominator * rootWeight;
    columns[2][row] = 1.0 / denominator * rootWeight;
  }
  return columns;
}

std::vector<double> RationalStdErrors(const FitWorkspace& workspace, int residualDf) {
  std::vector<double> errors(3, kNaN);
  if (residualDf <= 0) return errors;
  double sum = 0.0;
  for (int i = 0; i < workspace.pointCount; ++i) {
    const double residual =
        (workspace.transformedY[static_cast<size_t>(i)] - FittedValue(workspace, i)) * RootWeight(workspace, i);
    sum += residual * residual;
  }
  if (const auto diagonal = GramInverseDiagonal(RationalSensitivityColumns(workspace)))
    for (size_t k = 0; k < errors.size(); ++k) errors[k] = std::sqrt(sum / residualDf * (*diagonal)[k]);
  return errors;
}

// The standard errors from the fit's own factorisation of the standardised
// columns z_j = (x_j - mean_j) / length_j: Z = A U, so (Z'Z)^-1 = W D^-1 W'
// with W = U^-1 and D the squared lengths of A's columns. Coefficient j is
// beta_j times Y's length over length_j; the constant is Y's mean less the
// terms at their means, and Y's mean is independent of the centred terms.
// Every sum is taken in the standardised scale and multiplied by Y's length
// last, so that no square overflows for Y of any magnitude.
std::vector<double> FactorStdErrors(const FitWorkspace& workspace, int residualDf) {
  const OrthogonalFactors& factors = workspace.factors;
  const int p = workspace.constantColumn;
  std::vector<double> errors(static_cast<size_t>(p + 1), kNaN);
  if (residualDf <= 0) return errors;
  double residualSquares = 0.0;
  for (double r : factors.residual) residualSquares += r * r;
  const double variance = residualSquares / residualDf;
  // w[j][k] of the unit upper triangular inverse of U, row by row.
  std::vector<std::vector<double>> w(static_cast<size_t>(p), std::vector<double>(static_cast<size_t>(p), 0.0));
  for (int j = 0; j < p; ++j) {
    std::vector<double>& row = w[static_cast<size_t>(j)];
    row[static_cast<size_t>(j)] = 1.0;
    for (int k = j + 1; k < p; ++k) {
      double sum = 0.0;
      for (int i = j; i < k; ++i) sum += row[static_cast<size_t>(i)] * factors.uEntry(i, k);
      row[static_cast<size_t>(k)] = -sum;
    }
  }
  const double yLength = workspace.yScale.length;
  // Y's (weighted) mean has the variance s^2 / sum w: 1 / N without weights.
  double constantShare = 1.0 / workspace.weightSum;
  for (int k = 0; k < p; ++k) {
    const double inverseSquare = factors.inverseSquares[static_cast<size_t>(k)];
    double meansAlong = 0.0;
    for (int j = 0; j <= k; ++j) {
      const ColumnScale& scale = workspace.columnScales[static_cast<size_t>(j)];
      meansAlong += scale.mean / scale.length * w[static_cast<size_t>(j)][static_cast<size_t>(k)];
    }
    constantShare += meansAlong * meansAlong * inverseSquare;
  }
  for (int j = 0; j < p; ++j) {
    double share = 0.0;
    for (int k = j; k < p; ++k) {
      const double entry = w[static_cast<size_t>(j)][static_cast<size_t>(k)];
      share += entry * entry * factors.inverseSquares[static_cast<size_t>(k)];
    }
    errors[static_cast<size_t>(j)] =
        yLength / workspace.columnScales[static_cast<size_t>(j)].length * std::sqrt(variance * share);
  }
  errors[static_cast<size_t>(p)] = yLength * std::sqrt(variance * constantShare);
  return errors;
}

}  // namespace

std::vector<TermStatistics> BuildTermStatistics(const FitWorkspace& workspace) {
  const int count = workspace.coefficientCount();
  const int residualDf = workspace.pointCount - count;
  const std::vector<double> stdErrors =
      workspace.candidate.rational ? RationalStdErrors(workspace, residualDf) : FactorStdErrors(workspace, residualDf);
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
