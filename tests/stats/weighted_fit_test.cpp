#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fitted_equation.h"
#include "regress/sum_of_squares.h"
#include "regress/y_uncertainty.h"
#include "stats/copy_texts.h"
#include "stats/fit_criteria.h"
#include "weighted_fit_reference.h"

namespace rv::testing {
namespace {

constexpr double kTolerance = 1e-10;

void ExpectAgrees(double actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, kTolerance * std::fabs(expected)) << what;
}

FitWorkspace FitReference(const WeightedReference& reference) {
  std::vector<std::vector<double>> rows;
  for (const std::vector<double>& row : reference.rows) {
    std::vector<double> cells(kSheetColumns, EmptyValue);
    for (int c = 0; c <= reference.variables; ++c) cells[static_cast<size_t>(c)] = row[static_cast<size_t>(c)];
    if (reference.weighted) cells[kSigmaColumn] = row.back();
    rows.push_back(cells);
  }
  Candidate candidate;
  candidate.set = reference.logY ? EquationSet::Log : EquationSet::Y;
  for (int v = 1; v <= reference.variables; ++v) candidate.add({kTermX, static_cast<std::uint8_t>(v), 0});
  return FitEquation(rows, candidate, reference.weighted);
}

// Coefficients, their errors, chi squared and every criterion of weighted
// fits (one of ln Y) and PRESS with and without weights, against 120-digit
// arithmetic.
TEST(WeightedFit, AgreesWithAnIndependentComputation) {
  for (const WeightedReference& reference : WeightedReferences()) {
    SCOPED_TRACE(reference.name);
    const FitWorkspace workspace = FitReference(reference);
    const EquationStatistics statistics = StatisticsPass(workspace);
    const FitCriteria criteria = BuildFitCriteria(statistics);
    ASSERT_EQ(statistics.terms.size(), reference.coefficients.size());
    for (size_t k = 0; k < reference.coefficients.size(); ++k) {
      ExpectAgrees(workspace.coefficients[k], reference.coefficients[k], "coefficient " + std::to_string(k));
      ExpectAgrees(statistics.terms[k].stdError, reference.stdErrors[k], "std error " + std::to_string(k));
    }
    ExpectAgrees(statistics.anova.residual.ss, reference.chiSquared, "chi squared");
    ExpectAgrees(workspace.lastRSquared, reference.rSquared, "R squared");
    ExpectAgrees(criteria.adjustedRSquared, reference.adjustedRSquared, "adjusted R squared");
    ExpectAgrees(criteria.aicc, reference.aicc, "AICc");
    ExpectAgrees(criteria.bic, reference.bic, "BIC");
    ExpectAgrees(TrueSumOfSquares(workspace.lastScore.press, workspace.lastScore.squaresExponent), reference.press,
                 "PRESS");
    ExpectAgrees(criteria.predictedRSquared, reference.predictedRSquared, "predicted R squared");
    EXPECT_EQ(statistics.weighting, reference.weighted ? kWeightingText : "");
    // The residuals carry the normalised residual wherever they are shown.
    EXPECT_EQ(CopyResidualsText(statistics.residuals).find("\tPct Diff\tNormalised\r\n") != std::string::npos,
              reference.weighted);
    EXPECT_EQ(statistics.residualRows.front().normalised.empty(), !reference.weighted);
  }
}

}  // namespace
}  // namespace rv::testing
