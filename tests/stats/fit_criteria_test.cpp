#include "stats/fit_criteria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fit_criteria_reference.h"
#include "fitted_equation.h"
#include "stats/student_t.h"

namespace rv::testing {
namespace {

// Eight significant digits.
constexpr double kTolerance = 5e-9;

void ExpectAgrees(double actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, kTolerance * std::fabs(expected)) << what;
}

FitCriteria CriteriaOf(const FitWorkspace& workspace) { return BuildFitCriteria(StatisticsPass(workspace)); }

void ExpectReference(const ReferenceFit& reference, const Candidate& candidate, const char* name) {
  SCOPED_TRACE(name);
  const FitCriteria c = CriteriaOf(FitEquation(reference.rows, candidate));
  ExpectAgrees(c.adjustedRSquared, reference.adjustedRSquared, "adjusted R squared");
  ExpectAgrees(c.fStat, reference.fStat, "F");
  ExpectAgrees(c.fPValue, reference.fPValue, "P of F");
  ExpectAgrees(c.aicc, reference.aicc, "AICc");
  ExpectAgrees(c.bic, reference.bic, "BIC");
  ASSERT_EQ(c.coefficientCi95.size(), reference.ci95.size());
  for (size_t k = 0; k < reference.ci95.size(); ++k) {
    ExpectAgrees(c.coefficientCi95[k].lower, reference.ci95[k].first, "lower bound " + std::to_string(k));
    ExpectAgrees(c.coefficientCi95[k].upper, reference.ci95[k].second, "upper bound " + std::to_string(k));
  }
  const int residualDf = static_cast<int>(reference.rows.size()) - candidate.termCount - 1;
  ExpectAgrees(StudentTCriticalValue(0.05, residualDf), reference.tCritical, "t quantile");
}

TEST(FitCriteria, AgreeWithAnIndependentComputation) {
  ExpectReference(kNorris, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}), "Norris");
  ExpectReference(kPlane, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}), "plane");
  // Criteria on the scale of Y, intervals on the scale of ln(Y).
  ExpectReference(kDecay, MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}}), "decay");
}

TEST(FitCriteria, ARationalEquationUsesItsOwnDegreesOfFreedomAndErrors) {
  std::vector<std::vector<double>> rows;
  std::uint32_t state = 7;
  for (int i = 0; i < 14; ++i) {
    const double x1 = 0.5 + 0.3 * i, x2 = 1.0 + std::fmod(1.7 * i, 5.0);
    rows.push_back({(2.0 * x1 + 3.0) / (1.0 - 0.08 * x2) + 0.05 * Noise(state), x1, x2});
  }
  const FitWorkspace workspace =
      FitEquation(rows, MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 2}, {kRationalDenominator, 2, 0}}, true));
  const EquationStatistics statistics = StatisticsPass(workspace);
  const FitCriteria c = BuildFitCriteria(statistics);

  // F with 2 and N - 3 = 11 degrees of freedom, whose tail has a closed form,
  // and intervals as wide as t with 11 degrees of freedom makes the
  // equation's own, non-linear Std Errors.
  const double residualDf = 11.0;
  EXPECT_NEAR(c.fPValue, std::pow(residualDf / (residualDf + 2.0 * c.fStat), residualDf / 2.0), 1e-12 * c.fPValue);
  for (size_t k = 0; k < 3; ++k) {
    const double width = c.coefficientCi95[k].upper - c.coefficientCi95[k].lower;
    EXPECT_NEAR(width / (2.0 * statistics.terms[k].stdError), 2.2009851600916399, 1e-12) << k;
  }
}

bool AllUndefined(const FitCriteria& c) {
  bool undefined = !std::isfinite(c.adjustedRSquared) && !std::isfinite(c.fStat) && !std::isfinite(c.fPValue) &&
                   !std::isfinite(c.aicc) && !std::isfinite(c.bic);
  for (const ConfidenceInterval& interval : c.coefficientCi95)
    undefined = undefined && !std::isfinite(interval.lower) && !std::isfinite(interval.upper);
  return undefined;
}

TEST(FitCriteria, AreUndefinedWhereTheirFormulasAre) {
  const Candidate line = MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}});

  // Two points on a line leave no residual degrees of freedom.
  const FitCriteria two = CriteriaOf(FitEquation({{1, 1}, {3, 2}}, line));
  ASSERT_EQ(two.coefficientCi95.size(), 2u);
  EXPECT_TRUE(AllUndefined(two));

  // An exact fit (its design is orthogonal, so its residuals are exactly 0):
  // the likelihood has no maximum and F no finite value, but R squared is 1
  // and every interval has no width.
  const FitCriteria exact = CriteriaOf(FitEquation({{-1, -1}, {1, 0}, {3, 1}}, line));
  EXPECT_EQ(exact.adjustedRSquared, 1.0);
  EXPECT_FALSE(std::isfinite(exact.fStat));
  EXPECT_FALSE(std::isfinite(exact.fPValue));
  EXPECT_FALSE(std::isfinite(exact.aicc));
  EXPECT_FALSE(std::isfinite(exact.bic));
  EXPECT_EQ(exact.coefficientCi95[0].lower, 2.0);
  EXPECT_EQ(exact.coefficientCi95[0].upper, 2.0);

  // Three points and two coefficients: n - k - 1 = 0 leaves AICc undefined, BIC not.
  const FitCriteria three = CriteriaOf(FitEquation({{1, 1}, {3, 2}, {2, 3}}, line));
  EXPECT_FALSE(std::isfinite(three.aicc));
  EXPECT_TRUE(std::isfinite(three.bic));
  EXPECT_TRUE(std::isfinite(three.fStat));

  // A constant Y has no spread to explain, also when its mean is not exact
  // (seven times 0.1 sums to a mean just below 0.1): no R squared, Regress
  // sum of squares or F, never a negative one.
  for (double y : {2.0, 0.1}) {
    std::vector<std::vector<double>> rows;
    rows.reserve(7);
    for (int i = 0; i < 7; ++i) rows.push_back({y, 1.0 + i * i});
    const EquationStatistics flat = StatisticsPass(FitEquation(rows, line));
    const FitCriteria c = BuildFitCriteria(flat);
    EXPECT_FALSE(std::isfinite(flat.summary.rSquared)) << y;
    EXPECT_EQ(flat.anova.total.ss, 0.0) << y;
    EXPECT_FALSE(std::isfinite(flat.anova.regress.ss)) << y;
    EXPECT_EQ(flat.regressTexts.ss, "n/a") << y;
    EXPECT_FALSE(std::isfinite(c.adjustedRSquared)) << y;
    EXPECT_FALSE(std::isfinite(c.fStat)) << y;
  }
}

// Ten readings near Julian date 2460000.5 drifting by 0.01 a day: every sum
// about a mean keeps the spread that sums of Y and Y^2 would cancel away.
// Std Error and Std Dev agree with their formulas worked out in long double
// about the means.
TEST(FitCriteria, ALargeOffsetOfYLeavesTheSumsAboutTheMeanIntact) {
  std::vector<std::vector<double>> rows;
  std::uint32_t state = 31;
  for (int i = 1; i <= 10; ++i) rows.push_back({2460000.5 + 0.01 * i + 0.006 * Noise(state), double(i)});
  const EquationStatistics s = StatisticsPass(FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}})));
  const int n = 10;
  long double meanObs = 0, meanCalc = 0;
  for (int i = 0; i < n; ++i) meanObs += s.residuals.yObs[i], meanCalc += s.residuals.yCalc[i];
  meanObs /= n, meanCalc /= n;
  long double soo = 0, scc = 0, soc = 0, ssRes = 0;
  for (int i = 0; i < n; ++i) {
    const long double o = s.residuals.yObs[i] - meanObs, c = s.residuals.yCalc[i] - meanCalc;
    soo += o * o, scc += c * c, soc += o * c;
    ssRes += (s.residuals.yObs[i] - s.residuals.yCalc[i]) *
             static_cast<long double>(s.residuals.yObs[i] - s.residuals.yCalc[i]);
  }
  const double stdError = static_cast<double>(std::sqrt((soo - soc * soc / scc) / (n - 2)));
  const auto expectWithin1e9 = [](double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected));
  };
  expectWithin1e9(s.summary.stdError, stdError);
  expectWithin1e9(s.summary.stdDev, static_cast<double>(std::sqrt(soo / (n - 1))));
  expectWithin1e9(s.anova.total.ss, static_cast<double>(soo));
  expectWithin1e9(s.summary.rSquared, static_cast<double>(1 - ssRes / soo));
  EXPECT_GT(stdError, 1e-4);
  EXPECT_GT(s.summary.rSquared, 0.9);
  EXPECT_LE(s.summary.rSquared, 1.0);
}

}  // namespace
}  // namespace rv::testing
