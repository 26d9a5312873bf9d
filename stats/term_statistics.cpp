#include "stats/term_statistics.h"

#include <cmath>
#include <limits>

#include "stats/gram_inverse.h"
#include "stats/student_t.h"
#include "stats/term_label.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::vector<double>> DesignColumns(const FitWorkspace& workspace) {
  const int n = workspace.pointCount;
  std::vector<std::vector<double>> columns(static_cast<size_t>(workspace.coefficientCount()),
                                           std::vector<double>(static_cast<size_t>(n)));
  for (int k = 0; k < workspace.coefficientCount(); ++k)
    for (int i = 0; i < n; ++i) columns[static_cast<size_t>(k)][static_cast<size_t>(i)] = workspace.design[i][k];
  return columns;
}

// s^2 of the fitted model; not finite without residual degrees of freedom.
double ResidualVariance(const FitWorkspace& workspace, int residualDf) {
  if (residualDf <= 0) return kNaN;
  double sum = 0.0;
  for (int i = 0; i < workspace.pointCount; ++i) {
    double fitted = 0.0;
    for (int k = 0; k < workspace.coefficientCount(); ++k) fitted += workspace.coefficients[k] * workspace.design[i][k];
    const double residual = workspace.transformedY[i] - fitted;
    sum += residual * residual;
  }
  return sum / residualDf;
}

}  // namespace

std::vector<TermStatistics> BuildTermStatistics(const FitWorkspace& workspace) {
  const int count = workspace.coefficientCount();
  const int residualDf = workspace.pointCount - count;
  const double variance = ResidualVariance(workspace, residualDf);
  const auto gramDiagonal = GramInverseDiagonal(DesignColumns(workspace));
  const std::vector<std::string> labels = TermLabels(workspace.text, count);
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
