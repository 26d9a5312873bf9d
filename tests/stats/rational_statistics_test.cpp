#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fitted_equation.h"
#include "stats/copy_texts.h"
#include "stats/number_text.h"
#include "stats/statistics_pass.h"
#include "stats/student_t.h"

// A rational equation (a u + c) / (1 - b x) is fitted through a linearised
// design that holds the observed Y itself; everything the statistics show
// must come from the equation's own values instead.

namespace rv::testing {
namespace {

// ln(Y) = (0.3 X1^2 + 1) / (1 - 0.05 X2) with 0.5 % noise on Y.
std::vector<std::vector<double>> LogRationalRows() {
  std::uint32_t state = 29;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 25; ++i) {
    const double x1 = 1.0 + 0.08 * i, x2 = 1.0 + std::fmod(2.3 * i, 7.0);
    const double y = std::exp((0.3 * x1 * x1 + 1.0) / (1.0 - 0.05 * x2)) * (1.0 + 0.01 * Noise(state));
    rows.push_back({y, x1, x2});
  }
  return rows;
}

const Candidate kLogRational =
    MakeCandidate(EquationSet::Log, {{kRationalSquare, 1, 2}, {kRationalDenominator, 2, 0}}, true);

// The equation's value on the transformed scale, written out here.
long double OwnValue(const std::vector<double>& coefficients, const std::vector<double>& row) {
  const long double a = coefficients[0], b = coefficients[1], c = coefficients[2];
  return (a * row[1] * row[1] + c) / (1.0L - b * row[2]);
}

TEST(RationalStatistics, YCalcIsTheValueOfTheEquationShown) {
  const std::vector<std::vector<double>> rows = LogRationalRows();
  const FitWorkspace ws = FitEquation(rows, kLogRational);
  const EquationStatistics s = StatisticsPass(ws);
  int farFromTheLinearisedRow = 0;
  long double sumY = 0, ssRes = 0;
  for (const auto& row : rows) sumY += row[0];
  const long double mean = sumY / rows.size();
  long double sst = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const double own = static_cast<double>(std::exp(OwnValue(s.coefficients, rows[i])));
    EXPECT_NEAR(s.residuals.yCalc[i], own, 1e-13 * own) << "point " << i + 1;
    double linearised = 0.0;
    for (int k = 0; k < 3; ++k) linearised += ws.coefficients[k] * ws.design[i][k];
    if (std::fabs(std::exp(linearised) - own) > 1e-6 * own) ++farFromTheLinearisedRow;
    const long double y = rows[i][0], d = y - s.residuals.yCalc[i];
    sst += (y - mean) * (y - mean), ssRes += d * d;
  }
  EXPECT_GT(farFromTheLinearisedRow, 10);  // the noise makes the two differ

  EXPECT_NEAR(s.summary.rSquared, static_cast<double>(1 - ssRes / sst), 1e-12);
  EXPECT_GT(s.summary.rSquared, 0.99);
  EXPECT_NEAR(s.anova.residual.ss, static_cast<double>(ssRes), 1e-10 * static_cast<double>(ssRes));
  EXPECT_NEAR(s.anova.total.ss, static_cast<double>(sst), 1e-10 * static_cast<double>(sst));
  EXPECT_EQ(s.anova.regress.df, 2);
  EXPECT_EQ(s.anova.residual.df, static_cast<int>(rows.size()) - 3);
  EXPECT_EQ(s.residualRows[0].yCalc, ScientificText(s.residuals.yCalc[0], 4));
  EXPECT_NE(CopyResidualsText(s.residuals).find(FixedText(s.residuals.yCalc[24], 12) + '\t'), std::string::npos);
}

// Solves the 3 x 3 system M v = e_k by Cramer's rule: entry k of M^-1.
long double InverseDiagonal(const long double m[3][3], int k) {
  auto det = [](const long double a[3][3]) {
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  };
  long double minor[3][3];
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) minor[r][c] = (r == k || c == k) ? (r == c ? 1.0L : 0.0L) : m[r][c];
  return det(minor) / det(m);
}

TEST(RationalStatistics, TermErrorsAreThoseOfTheNonLinearFit) {
  const std::vector<std::vector<double>> rows = LogRationalRows();
  const EquationStatistics s = StatisticsPass(FitEquation(rows, kLogRational));
  const int n = static_cast<int>(rows.size());

  // The derivatives by a, b and c as central differences of the equation's
  // value, independent of how the program writes them.
  long double jtj[3][3] = {}, ss = 0;
  for (const std::vector<double>& row : rows) {
    long double gradient[3];
    for (int k = 0; k < 3; ++k) {
      std::vector<double> up = s.coefficients, down = s.coefficients;
      const double h = 1e-5 * std::fabs(s.coefficients[k]);
      up[k] += h, down[k] -= h;
      gradient[k] = (OwnValue(up, row) - OwnValue(down, row)) / (up[k] - down[k]);
    }
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) jtj[r][c] += gradient[r] * gradient[c];
    const long double residual = std::log(static_cast<long double>(row[0])) - OwnValue(s.coefficients, row);
    ss += residual * residual;
  }
  const long double variance = ss / (n - 3);
  for (int k = 0; k < 3; ++k) {
    const double expected = static_cast<double>(std::sqrt(variance * InverseDiagonal(jtj, k)));
    EXPECT_NEAR(s.terms[k].stdError, expected, 1e-6 * expected) << "coefficient " << k;
    EXPECT_NEAR(s.terms[k].tStat, s.coefficients[k] / expected, 1e-6 * std::fabs(s.coefficients[k] / expected));
    EXPECT_EQ(s.terms[k].pValue, TwoSidedStudentP(s.terms[k].tStat, n - 3));
  }
}

TEST(RationalStatistics, TermsAreNamedByTheirPieces) {
  const std::vector<std::vector<double>> rows = LogRationalRows();
  const EquationStatistics square = StatisticsPass(FitEquation(rows, kLogRational));
  ASSERT_EQ(square.termRows.size(), 3u);
  EXPECT_EQ(square.termRows[0].label, "aX1^2");
  EXPECT_EQ(square.termRows[1].label, "bX2");
  EXPECT_EQ(square.termRows[2].label, "c");
  const std::string copy = CopyStdErrorsText(square);
  EXPECT_EQ(copy.substr(0, copy.find("\t", 35)), "Term\tStd Error\tt Stat\tP Value\r\naX1^2");
  EXPECT_NE(copy.find("\r\nbX2\t"), std::string::npos) << copy;
  EXPECT_NE(copy.find("\r\nc\t"), std::string::npos) << copy;

  const Candidate linear =
      MakeCandidate(EquationSet::Log, {{kRationalLinear, 2, 2}, {kRationalDenominator, 2, 0}}, true);
  const EquationStatistics own = StatisticsPass(FitEquation(rows, linear));
  EXPECT_EQ(own.termRows[0].label, "aX2");
  EXPECT_EQ(own.termRows[1].label, "bX2");
  EXPECT_EQ(own.termRows[2].label, "c");
}

TEST(RationalStatistics, UndefinedErrorsReadNotAvailable) {
  // Three points for three coefficients leave no residual degrees of freedom.
  const Candidate candidate =
      MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 1}, {kRationalDenominator, 1, 0}}, true);
  const EquationStatistics exact = StatisticsPass(FitEquation({{7.0, 1.0}, {11.0, 2.0}, {19.0, 3.0}}, candidate));
  EXPECT_EQ(exact.anova.residual.df, 0);
  for (const TermRow& row : exact.termRows) {
    EXPECT_EQ(row.stdError, "n/a");
    EXPECT_EQ(row.tStat, "n/a");
    EXPECT_EQ(row.pValue, "n/a");
  }

  // An equation whose denominator is zero at a data point has no value there.
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 8; ++i) rows.push_back({3.0 + i + 0.1 * (i % 3), 1.0 + i});
  FitWorkspace ws = FitEquation(rows, candidate);
  ws.coefficients[1] = 0.25;  // 1 - b X1 = 0 at X1 = 4
  const EquationStatistics pole = StatisticsPass(ws);
  EXPECT_FALSE(std::isfinite(pole.residuals.yCalc[3]));
  EXPECT_EQ(pole.residualRows[3].yCalc, "n/a");
  for (const TermRow& row : pole.termRows) EXPECT_EQ(row.stdError, "n/a");
}

}  // namespace
}  // namespace rv::testing
