#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "fitted_equation.h"
#include "regress/fast_search.h"
#include "regress/recreate_equation.h"
#include "stats/chart_points.h"
#include "stats/copy_texts.h"
#include "stats/statistics_pass.h"

// Every equation of a full list, re-created and shown as the statistics
// dialog shows it: its Y Calc values are the equation's own, as the program
// evaluates it anywhere, and the R squared it is listed with is theirs,
// whatever its form.

namespace rv::testing {
namespace {

struct Sheet {
  const char* name;
  std::vector<std::vector<double>> rows;
  const char* rationalLaw;  // the rational equation that generated the data, if one did
};

void PrintTo(const Sheet& sheet, std::ostream* out) { *out << sheet.name; }

// Y = (2 X1 + 5) / (1 - 0.1 X1), 0.5 % noise.
Sheet RationalLaw() {
  std::uint32_t state = 5;
  Sheet sheet{"rational law", {}, "Y = (aX1 + c) / (1 - bX1)   "};
  for (int i = 0; i < 30; ++i) {
    const double x = 1.0 + 0.25 * i;
    sheet.rows.push_back({(2.0 * x + 5.0) / (1.0 - 0.1 * x) * (1.0 + 0.01 * Noise(state)), x});
  }
  return sheet;
}

// ln(Y) = (0.3 X1^2 + 1) / (1 - 0.05 X2), 0.5 % noise, and an unrelated X3.
Sheet LogRationalLaw() {
  std::uint32_t state = 31;
  Sheet sheet{"rational law of ln(Y)", {}, "ln(Y) = (aX1^2 + c) / (1 - bX2)   "};
  for (int i = 0; i < 30; ++i) {
    const double x1 = 1.0 + 0.07 * i, x2 = 1.0 + std::fmod(2.3 * i, 7.0), x3 = 2.0 + Noise(state);
    const double y = std::exp((0.3 * x1 * x1 + 1.0) / (1.0 - 0.05 * x2)) * (1.0 + 0.01 * Noise(state));
    sheet.rows.push_back({y, x1, x2, x3});
  }
  return sheet;
}

// A gas law Y = 8.314 X1 X3 / X2, 0.5 % noise: rational candidates fit its
// linearised design well, but not as equations.
Sheet GasLaw() {
  std::uint32_t state = 13;
  Sheet sheet{"gas law", {}, nullptr};
  for (int i = 0; i < 40; ++i) {
    const double t = 250.0 + 150.0 * (Noise(state) + 0.5), v = 5.0 + 25.0 * (Noise(state) + 0.5),
                 n = 0.5 + 2.5 * (Noise(state) + 0.5);
    sheet.rows.push_back({8.314 * t * n / v * (1.0 + 0.01 * Noise(state)), t, v, n});
  }
  return sheet;
}

double RSquaredOfOwnValues(const ResidualTable& table) {
  double sumY = 0.0, ssRes = 0.0, sst = 0.0;
  for (int i = 0; i < table.pointCount(); ++i) sumY += table.yObs[static_cast<size_t>(i)];
  const double mean = sumY / table.pointCount();
  for (int i = 0; i < table.pointCount(); ++i) {
    const double y = table.yObs[static_cast<size_t>(i)], yhat = table.yCalc[static_cast<size_t>(i)];
    ssRes += (y - yhat) * (y - yhat);
    sst += (y - mean) * (y - mean);
  }
  return 1.0 - ssRes / sst;
}

class ListedEquations : public ::testing::TestWithParam<Sheet> {};

TEST_P(ListedEquations, ShowTheRSquaredOfTheirOwnValues) {
  const Sheet& sheet = GetParam();
  const SearchData data = SheetFromRows(sheet.rows);
  SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = 5;
  SearchMonitor monitor;
  const SearchOutcome outcome = RunFastSearch(data, shape, FastSearchOptions(2), monitor);
  ASSERT_EQ(outcome.list.size(), EquationList::kCapacity);

  int rationals = 0;
  double rationalLawRSquared = 0.0;
  FitWorkspace ws;
  for (const int slot : outcome.list.sortOrder()) {
    const EquationRecord& record = outcome.list.slot(slot);
    ASSERT_TRUE(RecreateEquation(ws, data, shape, record.ordinal)) << record.text;
    const EquationStatistics s = StatisticsPass(ws);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s.summary.rSquared), std::bit_cast<std::uint64_t>(record.rSquared));
    EXPECT_NEAR(RSquaredOfOwnValues(s.residuals), record.rSquared, 1e-9) << record.ordinal << " " << record.text;
    for (int i = 0; i < data.pointCount; ++i) {
      const double yCalc = s.residuals.yCalc[static_cast<size_t>(i)];
      ASSERT_NEAR(EvaluateEquation(ws, data.values[i].data()), yCalc, 1e-9 * std::fabs(yCalc))
          << "point " << i + 1 << " of " << record.ordinal << " " << record.text;
    }
    if (ws.candidate.rational) ++rationals;
    if (sheet.rationalLaw != nullptr && record.text == sheet.rationalLaw) rationalLawRSquared = record.rSquared;
  }
  if (sheet.rationalLaw != nullptr) {
    EXPECT_GT(rationals, 0);
    EXPECT_GT(rationalLawRSquared, 0.99) << sheet.rationalLaw << " is missing from the list or fits poorly";
  }
}

INSTANTIATE_TEST_SUITE_P(Sheets, ListedEquations, ::testing::Values(RationalLaw(), LogRationalLaw(), GasLaw()),
                         [](const ::testing::TestParamInfo<Sheet>& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

// Sheets far longer than the file's 99 rows, from a fixed seed: the best
// equation of a search is re-created and shown with every point in its
// residual list, its copy and its chart, its R squared that of the list.
TEST(LongSheets, SearchAndShowTheStatisticsOfEveryPoint) {
  for (const int points : {1000, 20000}) {
    SCOPED_TRACE(points);
    const SearchData data = LongLawSheet(points, 3);
    ASSERT_EQ(data.pointCount, points);
    SearchShape shape;
    shape.variables = data.variableCount();
    shape.maxTerms = 3;
    SearchMonitor monitor;
    const SearchOutcome outcome = RunFastSearch(data, shape, FastSearchOptions(2), monitor);
    ASSERT_FALSE(outcome.list.empty());
    const EquationRecord& best = outcome.list.slot(outcome.list.sortOrder().front());
    FitWorkspace ws;
    ASSERT_TRUE(RecreateEquation(ws, data, shape, best.ordinal)) << best.text;
    const EquationStatistics s = StatisticsPass(ws);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s.summary.rSquared), std::bit_cast<std::uint64_t>(best.rSquared));
    EXPECT_NEAR(RSquaredOfOwnValues(s.residuals), best.rSquared, 1e-9);
    EXPECT_EQ(s.anova.total.df, points - 1);
    ASSERT_EQ(s.residualRows.size(), static_cast<size_t>(points));
    EXPECT_EQ(s.residualRows.back().number, "  " + std::to_string(points));
    for (int i = 0; i < points; ++i) {
      ASSERT_EQ(s.residuals.yObs[static_cast<size_t>(i)], data.values[i][0]);
      const double yCalc = s.residuals.yCalc[static_cast<size_t>(i)];
      ASSERT_NEAR(EvaluateEquation(ws, data.values[i].data()), yCalc, 1e-9 * std::fabs(yCalc)) << "point " << i + 1;
    }
    for (const auto& term : s.terms) EXPECT_TRUE(std::isfinite(term.stdError)) << term.label;
    EXPECT_EQ(ChartPoints(s.residuals, kScreenChartFrame).size(), static_cast<size_t>(points));
    const std::string copy = CopyResidualsText(s.residuals);
    EXPECT_NE(copy.find("\r\n" + std::to_string(points) + "\t"), std::string::npos);
  }
}

}  // namespace
}  // namespace rv::testing
