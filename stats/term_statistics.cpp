#include "stats/term_statistics.h"

#include <cmath>
#include <limits>

#include "stats/gram_inverse.h"
#include "stats/student_t.h"
#include "stats/term_label.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The columns whose Gram inverse, times s^2, is the covariance of the
// coefficients. For a model linear in its coefficients they are its design
// columns. A rational equation is not linear in b (its linearised design has
// Y on both sides), so its columns are the derivatives of
// (a u + c) / (1 - b x) with respect to a, b and c at each point: the
// asymptotic covariance of a non-linear least-squares fit.
std::vector<std::vector<double>> SensitivityColumns(const FitWorkspace& workspace) {
  const int n = workspace.pointCount;
  std::vector<std::vector<double>> columns(static_cast<size_t>(workspace.coefficientCount()),
                                           std::vector<double>(static_cast<size_t>(n)));
  for (int i = 0; i < n; ++i) {
    const size_t row = static_cast<size_t>(i);
    if (workspace.candidate.rational) {
      const double u = workspace.design[i][0];
      const double x = workspace.denominatorX[i];
      const double denominator = 1.0 - workspace.coefficients[1] * x;
      columns[0][row] = u / denominator;
      columns[1][row] = FittedValue(workspace, i) * x / denominator;
      columns[2][row] = 1.0 / denominator;
    } else {
      for (int k = 0; k < workspace.coefficientCount(); ++k)
        columns[static_cast<size_t>(k)][row] = workspace.design[i][k];
    }
  }
  return columns;
}

// s^2 of the fitted equation on the transformed scale; not finite without
// residual degrees of freedom.
double ResidualVariance(const FitWorkspace& workspace, int residualDf) {
  if (residualDf <= 0) return kNaN;
  double sum = 0.0;
  for (int i = 0; i < workspace.pointCount; ++i) {
    const double residual = workspace.transformedY[i] - FittedValue(workspace, i);
    sum += residual * residual;
  }
  return sum / residualDf;
}

}  // namespace

std::vector<TermStatistics> BuildTermStatistics(const FitWorkspace& workspace) {
  const int count = workspace.coefficientCount();
  const int residualDf = workspace.pointCount - count;
  const double variance = ResidualVariance(workspace, residualDf);
  const auto gramDiagonal = GramInverseDiagonal(SensitivityColumns(workspace));
  const std::vector<std::string> labels =
      workspace.candidate.rational ? RationalTermLabels(workspace.candidate) : TermLabels(workspace.text, count);
  std::vector<TermStatistics> terms(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    TermStatistics& term = terms[static_cast<size_t>(k)];
    term.label = labels[static_cast<size_t>(k)];
    term.coefficient = workspace.coefficients[k];
    term.stdError = gramDiagonal ? std::sqrt(variance * (*gramDiagonal)[static_cast<size_t>(k)]) : kNaN;
    const bool testable = std::isfinite(term.stdError) && term.stdError > 0.0 && std::isfinite(term.coefficient);
    term.tStat = testable ? term.coefficient / term.stdError : kNaN;
    term.pValue = testable ? TwoSidedStudentP(term.tStat, residualDf) : kNaN;
  }
  return terms;
}

}  // namespace rv
