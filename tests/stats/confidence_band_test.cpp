#include "stats/confidence_band.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "band_reference.h"
#include "fitted_equation.h"

namespace rv::testing {
namespace {

constexpr double kTolerance = 1e-10;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void ExpectAgrees(double actual, double expected, const std::string& what) {
  if (std::isnan(expected)) EXPECT_TRUE(std::isnan(actual)) << what << ": " << actual;
  else EXPECT_NEAR(actual, expected, kTolerance * std::fabs(expected)) << what;
}

// Both routes to the bands, at every data point: the one the residual list
// takes from the fit's design and the one the graph takes from the
// variables, against the independent computation.
void ExpectReference(const ReferenceBands& reference, const Candidate& candidate, const char* name) {
  SCOPED_TRACE(name);
  const FitWorkspace workspace = FitEquation(reference.rows, candidate);
  const ConfidenceBands bands = BuildConfidenceBands(workspace, reference.level);
  ASSERT_EQ(static_cast<size_t>(workspace.pointCount), reference.points.size());
  for (int i = 0; i < workspace.pointCount; ++i) {
    const auto& expected = reference.points[static_cast<size_t>(i)];
    const std::string at = " at point " + std::to_string(i + 1);
    const BandHalfWidths half = HalfWidthsAt(bands, workspace, TermValuesAtPoint(workspace, i));
    ExpectAgrees(half.confidence, expected[0], "confidence half-width" + at);
    ExpectAgrees(half.prediction, expected[1], "prediction half-width" + at);
    std::array<double, kSheetColumns> variables{};
    const auto& row = reference.rows[static_cast<size_t>(i)];
    for (size_t v = 1; v < row.size(); ++v) variables[v] = row[v];
    for (const PointBands& point : {BandsAtPoint(bands, workspace, i), BandsAt(bands, workspace, variables.data())}) {
      ExpectAgrees(point.confidence.low, expected[2], "confidence low" + at);
      ExpectAgrees(point.confidence.high, expected[3], "confidence high" + at);
      ExpectAgrees(point.prediction.low, expected[4], "prediction low" + at);
      ExpectAgrees(point.prediction.high, expected[5], "prediction high" + at);
    }
  }
}

TEST(ConfidenceBands, AgreeWithAnIndependentComputationAtEveryPoint) {
  ExpectReference(kNorrisBands, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}), "Norris");
  ExpectReference(kPlaneBands, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}), "plane");
  ExpectReference(kDecayBands, MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}}), "ln(Y)");
  ExpectReference(kReciprocalBands, MakeCandidate(EquationSet::Reciprocal, {{kTermSqrt, 1, 0}}), "1/Y");
}

// The unscaled variances at the data points are the fit's hat values, which
// add up to its number of coefficients: for a rational equation too, whose
// covariance comes from its own derivatives.
TEST(ConfidenceBands, TheHatValuesAddUpToTheCoefficients) {
  std::vector<std::vector<double>> rational;
  std::uint32_t state = 5;
  for (int i = 0; i < 14; ++i) {
    const double x1 = 1.0 + 0.5 * i, x2 = 0.3 * (i % 5) + 0.1 * i;
    rational.push_back({(0.8 * x1 + 2.0) / (1.0 - 0.1 * x2) + 0.05 * Noise(state), x1, x2});
  }
  const struct {
    const std::vector<std::vector<double>>& rows;
    Candidate candidate;
  } fits[] = {
      {kPlaneBands.rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}})},
      {kDecayBands.rows, MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}})},
      {rational, MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 2}, {kRationalDenominator, 2, 0}}, true)},
  };
  for (const auto& fit : fits) {
    const FitWorkspace workspace = FitEquation(fit.rows, fit.candidate);
    const CoefficientCovariance covariance = BuildCoefficientCovariance(workspace);
    ASSERT_TRUE(covariance.defined) << workspace.text;
    double sum = 0.0;
    for (int i = 0; i < workspace.pointCount; ++i)
      sum += UnscaledVarianceAt(covariance, workspace, TermValuesAtPoint(workspace, i));
    EXPECT_NEAR(sum, workspace.coefficientCount(), 1e-12) << workspace.text;
  }
}

// Where a band leaves the values its Y form maps back, and where there is
// nothing to estimate the spread from.
TEST(ConfidenceBands, EndsWithoutAYAreUndefined) {
  const struct {
    EquationSet set;
    double fitted, half, low, high;
  } cases[] = {
      {EquationSet::Reciprocal, 0.5, 1.0, kNaN, kNaN},       // the band of 1/Y crosses 0
      {EquationSet::Reciprocal, -2.0, 1.0, -1.0, -1.0 / 3},  // wholly below 0: the ends swap
      {EquationSet::Square, 1.0, 3.0, 0.0, 2.0},             // Y^2 stops at Y = 0
      {EquationSet::Cube, -1.0, 0.5, 0.0, 0.0},
      {EquationSet::Exp, 1.0, 2.0, kNaN, std::log(3.0)},  // exp(Y) reaches 0 at Y = -infinity
      {EquationSet::Log, 0.0, std::log(2.0), 0.5, 2.0},
      {EquationSet::Y, 1.0, kNaN, kNaN, kNaN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(YFormHead(c.set));
    const BandLimits limits = BackTransformedBand(c.set, c.fitted, c.half);
    for (const auto& [actual, expected] : {std::pair{limits.low, c.low}, std::pair{limits.high, c.high}}) {
      if (std::isnan(expected)) EXPECT_TRUE(std::isnan(actual)) << actual;
      else EXPECT_NEAR(actual, expected, 1e-15);
    }
  }
  // A line through two points leaves no degrees of freedom for s^2.
  const FitWorkspace exact = FitEquation({{1.0, 1.0}, {3.0, 2.0}}, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
  const PointBands point = BandsAtPoint(BuildConfidenceBands(exact, kDefaultBandLevel), exact, 0);
  EXPECT_DOUBLE_EQ(point.value, 1.0);
  EXPECT_TRUE(std::isnan(point.confidence.low) && std::isnan(point.prediction.high));
}

}  // namespace
}  // namespace rv::testing
