#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fitted_equation.h"
#include "stats/copy_texts.h"
#include "stats/statistics_pass.h"
#include "student_t_reference.h"

namespace rv::testing {
namespace {

// Set I of Anscombe's quartet.
const std::vector<double> kAnscombeX = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
const std::vector<double> kAnscombeY = {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68};

FitWorkspace AnscombeLine() {
  std::vector<std::vector<double>> rows;
  for (size_t i = 0; i < kAnscombeX.size(); ++i) rows.push_back({kAnscombeY[i], kAnscombeX[i]});
  return FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
}

void ExpectRelative(double actual, long double expected, double tolerance, const char* what) {
  EXPECT_NEAR(actual, static_cast<double>(expected), tolerance * std::fabs(static_cast<double>(expected))) << what;
}

// The simple regression of y on x by its closed forms, in long double.
struct SimpleRegression {
  long double slope, intercept, slopeError, interceptError, slopeT, interceptT, slopeP, interceptP;
  long double ssRegression, ssResidual, ssTotal, standardError;
};

SimpleRegression TextbookRegression(const std::vector<double>& x, const std::vector<double>& y) {
  const long double n = x.size();
  long double mx = 0, my = 0;
  for (size_t i = 0; i < x.size(); ++i) mx += x[i], my += y[i];
  mx /= n, my /= n;
  long double sxx = 0, sxy = 0, syy = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    sxx += (x[i] - mx) * (x[i] - mx);
    sxy += (x[i] - mx) * (y[i] - my);
    syy += (y[i] - my) * (y[i] - my);
  }
  SimpleRegression r;
  r.slope = sxy / sxx;
  r.intercept = my - r.slope * mx;
  r.ssTotal = syy;
  r.ssRegression = r.slope * sxy;
  r.ssResidual = syy - r.ssRegression;
  const long double variance = r.ssResidual / (n - 2);
  r.standardError = std::sqrt(variance);
  r.slopeError = std::sqrt(variance / sxx);
  r.interceptError = std::sqrt(variance * (1 / n + mx * mx / sxx));
  r.slopeT = r.slope / r.slopeError;
  r.interceptT = r.intercept / r.interceptError;
  const int df = static_cast<int>(x.size()) - 2;
  r.slopeP = ClosedFormTwoSidedP(r.slopeT, df);
  r.interceptP = ClosedFormTwoSidedP(r.interceptT, df);
  return r;
}

TEST(EquationStatistics, AgreeWithTheTextbookOnPublishedData) {
  const EquationStatistics s = StatisticsPass(AnscombeLine());
  const SimpleRegression r = TextbookRegression(kAnscombeX, kAnscombeY);
  const double tolerance = 1e-10;
  ExpectRelative(s.coefficients[0], r.slope, tolerance, "slope");
  ExpectRelative(s.coefficients[1], r.intercept, tolerance, "intercept");
  ExpectRelative(s.terms[0].stdError, r.slopeError, tolerance, "slope std error");
  ExpectRelative(s.terms[1].stdError, r.interceptError, tolerance, "intercept std error");
  ExpectRelative(s.terms[0].tStat, r.slopeT, tolerance, "slope t");
  ExpectRelative(s.terms[1].tStat, r.interceptT, tolerance, "intercept t");
  ExpectRelative(s.terms[0].pValue, r.slopeP, tolerance, "slope P");
  ExpectRelative(s.terms[1].pValue, r.interceptP, tolerance, "intercept P");
  ExpectRelative(s.summary.stdError, r.standardError, tolerance, "standard error of the line");
  ExpectRelative(s.anova.regress.ss, r.ssRegression, tolerance, "regress SS");
  ExpectRelative(s.anova.residual.ss, r.ssResidual, tolerance, "residual SS");
  ExpectRelative(s.anova.total.ss, r.ssTotal, tolerance, "total SS");
  ExpectRelative(s.anova.regress.ms, r.ssRegression, tolerance, "regress MS");
  ExpectRelative(s.anova.residual.ms, r.ssResidual / 9, tolerance, "residual MS");
  EXPECT_EQ(s.anova.regress.df, 1);
  EXPECT_EQ(s.anova.residual.df, 9);
  EXPECT_EQ(s.anova.total.df, 10);

  // The published, rounded figures.
  EXPECT_NEAR(s.coefficients[0], 0.5001, 5e-5);
  EXPECT_NEAR(s.coefficients[1], 3.0001, 5e-5);
  EXPECT_NEAR(s.summary.rSquared, 0.667, 5e-4);
  EXPECT_NEAR(s.terms[0].stdError, 0.118, 5e-4);
  EXPECT_NEAR(s.terms[0].tStat, 4.24, 5e-3);
  EXPECT_NEAR(s.terms[0].pValue, 0.00217, 5e-6);
}

TEST(EquationStatistics, ShowTheDialogTexts) {
  const EquationStatistics s = StatisticsPass(AnscombeLine());
  EXPECT_EQ(s.equationText, "Y = aX1 + b");
  ASSERT_EQ(s.coefficientRows.size(), 2u);
  EXPECT_EQ(s.coefficientRows[0].label, " a  =");
  EXPECT_EQ(s.coefficientRows[0].value, "5.00090909E-01");
  EXPECT_EQ(s.coefficientRows[1].label, " b  =");
  EXPECT_EQ(s.rSquaredLine, "R Squared  =  0.666542");
  EXPECT_EQ(s.stdErrorLine, "Std Error  =  1.236603");
  EXPECT_EQ(s.stdDevLine, "Std Dev  =  2.031568");
  EXPECT_EQ(s.regressTexts.df, "1");
  EXPECT_EQ(s.regressTexts.ss, "28");
  EXPECT_EQ(s.regressTexts.ms, "27.5");
  EXPECT_EQ(s.residualTexts.df, "9");
  EXPECT_EQ(s.residualTexts.ss, "13.76");
  EXPECT_EQ(s.residualTexts.ms, "1.53");
  EXPECT_EQ(s.totalTexts.df, "10");
  EXPECT_EQ(s.totalTexts.ss, "41");
  EXPECT_EQ(s.totalTexts.ms, "");
  ASSERT_EQ(s.residualRows.size(), 11u);
  EXPECT_EQ(s.residualRows[0].number, "  1");
  EXPECT_EQ(s.residualRows[0].yObs, "8.0400E+00");
  EXPECT_EQ(s.residualRows[0].yCalc, "8.0010E+00");
  EXPECT_EQ(s.residualRows[0].difference, "3.9000E-02");
  EXPECT_EQ(s.residualRows[0].pctDiff, "0.49");
  EXPECT_EQ(s.residualRows[10].number, "  11");
  ASSERT_EQ(s.termRows.size(), 2u);
  EXPECT_EQ(s.termRows[0].label, "aX1 ");
  EXPECT_EQ(s.termRows[0].stdError, "+1.179055E-01");
  EXPECT_EQ(s.termRows[0].tStat, "+4.241455");
  EXPECT_EQ(s.termRows[0].pValue, "2.1696E-03");
  EXPECT_EQ(s.termRows[1].label, "b");

  EXPECT_EQ(s.residuals.obsMin, 4.26);
  EXPECT_DOUBLE_EQ(s.residuals.obsRange, 10.84 - 4.26);
  EXPECT_DOUBLE_EQ(s.residuals.calcMin, s.coefficients[0] * 4 + s.coefficients[1]);
  EXPECT_DOUBLE_EQ(s.residuals.calcRange, s.coefficients[0] * 10);
}

TEST(EquationStatistics, AgreeWithAnExactlyKnownDesignOfTwoVariables) {
  // A replicated two-level design: the columns are orthogonal, X'X = 8 I, so
  // every coefficient is a mean of products and its standard error is s / sqrt(8).
  const double x1[] = {-1, 1, -1, 1, -1, 1, -1, 1};
  const double x2[] = {-1, -1, 1, 1, -1, -1, 1, 1};
  const double y[] = {3.1, 5.2, 4.0, 7.3, 2.9, 5.6, 4.4, 6.8};
  std::vector<std::vector<double>> rows;
  long double a = 0, b = 0, c = 0;
  for (int i = 0; i < 8; ++i) {
    rows.push_back({y[i], x1[i], x2[i]});
    a += x1[i] * y[i] / 8.0L, b += x2[i] * y[i] / 8.0L, c += y[i] / 8.0L;
  }
  long double ssRes = 0, sst = 0;
  for (int i = 0; i < 8; ++i) {
    const long double residual = y[i] - (a * x1[i] + b * x2[i] + c);
    ssRes += residual * residual;
    sst += (y[i] - c) * (y[i] - c);
  }
  const long double error = std::sqrt(ssRes / 5 / 8);
  const EquationStatistics s =
      StatisticsPass(FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}})));
  const long double expected[] = {a, b, c};
  for (int k = 0; k < 3; ++k) {
    ExpectRelative(s.coefficients[k], expected[k], 1e-12, "coefficient");
    ExpectRelative(s.terms[k].stdError, error, 1e-10, "std error");
    ExpectRelative(s.terms[k].tStat, expected[k] / error, 1e-10, "t");
    ExpectRelative(s.terms[k].pValue, ClosedFormTwoSidedP(expected[k] / error, 5), 1e-9, "P");
  }
  EXPECT_EQ(s.anova.residual.df, 5);
  ExpectRelative(s.anova.residual.ss, ssRes, 1e-10, "residual SS");
  ExpectRelative(s.anova.regress.ss, sst - ssRes, 1e-10, "regress SS");
  EXPECT_EQ(s.termRows[0].label, "aX1 ");
  EXPECT_EQ(s.termRows[1].label, "bX2 ");
  EXPECT_EQ(s.termRows[2].label, "c");
}

// A line through X of a large offset, and Y of every magnitude a double
// holds: the standard errors are the textbook's s / sqrt(Sxx) and
// s sqrt(1/n + mean^2 / Sxx), and every one scales with Y (by a power of two,
// exactly) instead of overflowing or vanishing in a square.
TEST(EquationStatistics, GiveStandardErrorsOfLinesWithOffsetsAndOfYOfAnyMagnitude) {
  for (const double offset : {0.0, 2460000.5}) {
    for (const int scale : {-1000, -500, 0, 500, 1000}) {
      SCOPED_TRACE(::testing::Message() << "offset " << offset << ", Y times 2^" << scale);
      std::vector<std::vector<double>> rows;
      long double sx = 0, sy = 0;
      const int n = 12;
      for (int i = 0; i < n; ++i) {
        const double x = offset + i, y = std::ldexp(0.75 * i + 3.0 + 0.25 * std::sin(3.0 * i), scale);
        rows.push_back({y, x});
        sx += x, sy += y;
      }
      const long double mx = sx / n, my = sy / n;
      long double sxx = 0, sxy = 0;
      for (const auto& row : rows) sxx += (row[1] - mx) * (row[1] - mx), sxy += (row[1] - mx) * (row[0] - my);
      const long double slope = sxy / sxx, intercept = my - slope * mx;
      long double ssRes = 0;
      for (const auto& row : rows)
        ssRes += (row[0] - intercept - slope * row[1]) * (row[0] - intercept - slope * row[1]);
      const long double s2 = ssRes / (n - 2);
      const EquationStatistics s = StatisticsPass(FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}})));
      ExpectRelative(s.terms[0].stdError, std::sqrt(s2 / sxx), 1e-9, "slope std error");
      ExpectRelative(s.terms[1].stdError, std::sqrt(s2 * (1.0L / n + mx * mx / sxx)), 1e-9, "intercept std error");
      ExpectRelative(s.summary.stdError, std::sqrt(s2), 1e-9, "std error of the fit");
    }
  }
}

std::vector<std::vector<double>> ThreeVariableRows(int points) {
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < points; ++i) {
    const double x1 = 1.0 + i, x2 = 2.0 + std::fmod(i * 1.7, 5.0), x3 = 0.5 + 0.3 * i * i;
    rows.push_back({3.0 + 1.2 * x1 + 0.4 * x2 - 0.1 * x3 + 0.3 * std::sin(7.0 * i), x1, x2, x3});
  }
  return rows;
}

TEST(AnovaTable, DependsOnThePointsAndMatchesRSquaredOnTheScaleOfY) {
  const Candidate linear = MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}, {kTermX, 3, 0}});
  const Candidate logarithmic = MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}, {kTermX, 2, 0}, {kTermLn, 3, 0}});
  for (const int points : {10, 20}) {
    for (const Candidate& candidate : {linear, logarithmic}) {
      const FitWorkspace ws = FitEquation(ThreeVariableRows(points), candidate);
      const AnovaTable anova = StatisticsPass(ws).anova;
      EXPECT_EQ(anova.regress.df, 3);
      EXPECT_EQ(anova.residual.df, points - 4);
      EXPECT_EQ(anova.total.df, points - 1);
      EXPECT_NEAR(anova.regress.ss + anova.residual.ss, anova.total.ss, 1e-12 * anova.total.ss);
      EXPECT_NEAR(anova.regress.ss / anova.total.ss, ws.lastRSquared, 1e-12);
      EXPECT_DOUBLE_EQ(anova.regress.ms, anova.regress.ss / 3);
      EXPECT_DOUBLE_EQ(anova.residual.ms, anova.residual.ss / (points - 4));
    }
  }
}

TEST(EquationStatistics, ShowUndefinedValuesAsNotAvailable) {
  // Three points for three coefficients: no residual degrees of freedom.
  const Candidate plane = MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}});
  const EquationStatistics exact = StatisticsPass(FitEquation({{1, 1, 5}, {2, 2, 3}, {4, 3, 4}}, plane));
  EXPECT_EQ(exact.anova.residual.df, 0);
  EXPECT_EQ(exact.residualTexts.ms, "n/a");
  for (const TermRow& row : exact.termRows) {
    EXPECT_EQ(row.stdError, "n/a");
    EXPECT_EQ(row.tStat, "n/a");
    EXPECT_EQ(row.pValue, "n/a");
  }

  // X2 is twice X1: the design is singular, which the fit refuses.
  std::vector<std::vector<double>> rows;
  rows.reserve(8);
  for (int i = 0; i < 8; ++i) rows.push_back({1.0 + i * 0.7 + 0.1 * (i % 3), 1.0 + i, 2.0 + 2.0 * i});
  FitWorkspace singular;
  BuildCandidate(singular, SheetFromRows(rows), plane);
  EXPECT_FALSE(FitCandidate(singular, 1));
  EXPECT_EQ(singular.verdict, FitVerdict::Unresolved);

  // Exact fits: rounding must not turn a standard error of zero into n/a.
  for (int trial = 5; trial <= 11; ++trial) {
    std::vector<std::vector<double>> line;
    for (int i = 0; i < 7; ++i) {
      const double x = 0.1 * (i + 1) + 0.013 * trial;
      line.push_back({(0.1 + 0.37 * trial) * x + 0.3 - 0.11 * trial, x});
    }
    EXPECT_EQ(StatisticsPass(FitEquation(line, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}))).stdErrorLine,
              "Std Error  =  0.000000");
  }

  // Two points: the standard error line divides by N - 2.
  const EquationStatistics two =
      StatisticsPass(FitEquation({{1, 1}, {3, 2}}, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}})));
  EXPECT_EQ(two.stdErrorLine, "Std Error  =  n/a");
  EXPECT_EQ(two.termRows[0].stdError, "n/a");
}

TEST(EquationStatistics, ShowAPointWithZeroYAsNotAvailableOnlyInItsPctDiff) {
  std::vector<std::vector<double>> rows = {{0.0, 1}, {2.1, 2}, {3.9, 3}, {6.2, 4}, {7.8, 5}};
  const FitWorkspace ws = FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
  const EquationStatistics s = StatisticsPass(ws);
  EXPECT_EQ(s.residualRows[0].pctDiff, "n/a");
  EXPECT_NE(s.residualRows[1].pctDiff, "n/a");
  EXPECT_NE(s.residualRows[0].difference, "n/a");
  EXPECT_TRUE(std::isfinite(s.summary.stdError));
  EXPECT_TRUE(std::isfinite(s.anova.residual.ms));
  EXPECT_TRUE(std::isfinite(s.terms[0].pValue));
  const std::string copy = CopyResidualsText(s.residuals);
  EXPECT_NE(copy.find("\r\n1\t0.000000000000\t"), std::string::npos) << copy;
  EXPECT_NE(copy.find("\tn/a\r\n2\t"), std::string::npos) << copy;
}

TEST(CopyTexts, HoldEveryValueWithCrLfLineEnds) {
  const FitWorkspace ws = AnscombeLine();
  const EquationStatistics s = StatisticsPass(ws);
  EXPECT_EQ(CopyCoefficientsText(ws),
            "Y = aX1 + b\r\n\r\nCoefficients\r\na =\t5.000909090909E-01\r\nb =\t3.000090909091E+00");

  const std::string residuals = CopyResidualsText(s.residuals);
  EXPECT_EQ(residuals.substr(0, residuals.find("\r\n", 40) + 2),
            "n\tY Obs\tY Calc\tDifference\tPct Diff\r\n"
            "1\t8.040000000000\t8.001000000000\t0.039000000000\t0.485074626866\r\n");
  EXPECT_EQ(residuals.substr(residuals.rfind("\r\n") + 2),
            "11\t5.680000000000\t5.500545454545\t0.179454545455\t3.159411011524");

  EXPECT_EQ(CopyStdErrorsText(s),
            "Term\tStd Error\tt Stat\tP Value\r\n"
            "aX1 \t+1.179055E-01\t+4.241455\t2.1696E-03\r\n"
            "b\t+1.124747E+00\t+2.667348\t2.5734E-02\r\n");
}

TEST(CopyTexts, KeepAllNinetyNinePointsOfLargeValues) {
  std::vector<std::vector<double>> rows;
  rows.reserve(99);
  for (int i = 0; i < 99; ++i) rows.push_back({1e12 * (1 + i) + 3e9 * std::sin(i), 1.0 + i});
  const EquationStatistics s = StatisticsPass(FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}})));
  const std::string copy = CopyResidualsText(s.residuals);
  EXPECT_GT(copy.size(), 8192u);
  EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'), 99);
  EXPECT_EQ(copy.substr(copy.rfind("\r\n") + 2, 3), "99\t");
}

}  // namespace
}  // namespace rv::testing
