#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "regress/fast_search.h"
#include "regress/recreate_equation.h"
#include "search_expectations.h"
#include "test_sheets.h"

namespace rv {
namespace {

// Deterministic noise of roughly normal shape, mean 0 and deviation 1: the
// sum of twelve evenly spread draws.
double GaussianNoise(std::uint32_t& state) {
  double sum = 0.0;
  for (int i = 0; i < 12; ++i) sum += testing::Noise(state);
  return sum;
}

struct Law {
  const char* name;
  SearchData data;
  const char* text;
};

// Three laws measured as a laboratory would, with 1 to 2 % noise.
std::vector<Law> Laws() {
  std::uint32_t state = 2024;
  std::vector<std::vector<double>> pendulum, arrhenius, drag;
  for (int i = 0; i < 97; ++i) {  // period against length: T = 2 pi sqrt(L / g)
    const double length = 0.2 + 0.02 * i;
    pendulum.push_back(
        {2.0 * std::numbers::pi * std::sqrt(length / 9.81) * (1.0 + 0.01 * GaussianNoise(state)), length});
  }
  // Rate against 1000 / T, as an Arrhenius plot draws it: k = A exp(-Ea / (R T)).
  // (Against T in kelvins, 300 to 418, e^T runs from 1e130 to 1e181: a
  // column that pins the hottest points, whose noise the criteria then
  // reward fitting.)
  for (int i = 0; i < 60; ++i) {
    const double kelvin = 300.0 + 2.0 * i;
    arrhenius.push_back({4.0e7 * std::exp(-6000.0 / kelvin) * (1.0 + 0.02 * GaussianNoise(state)), 1000.0 / kelvin});
  }
  for (int i = 0; i < 80; ++i) {  // force against speed: F = a v^2 + b
    const double speed = 1.0 + 0.25 * i;
    drag.push_back({0.45 * speed * speed + 3.0 + 0.02 * 0.45 * 400.0 * GaussianNoise(state), speed});
  }
  return {{"pendulum", testing::SheetFromRows(pendulum), "ln(Y) = a ln(X1) + b"},
          {"Arrhenius", testing::SheetFromRows(arrhenius), "ln(Y) = aX1 + b"},
          {"drag", testing::SheetFromRows(drag), "Y = aX1^2 + b"}};
}

int PlaceOf(const SearchOutcome& outcome, const std::string& text) {
  const std::vector<int> order = outcome.list.sortOrder();
  for (size_t i = 0; i < order.size(); ++i)
    if (outcome.list.slot(order[i]).text == text) return static_cast<int>(i) + 1;
  return 0;
}

// What the criteria are for: a noisy law's own equation comes first, not
// the most flexible one.
TEST(Ranking, TheTrueLawLeadsUnderAiccAndBic) {
  for (const Law& law : Laws()) {
    SCOPED_TRACE(law.name);
    const SearchShape shape = testing::ShapeFor(law.data, 5);
    for (RankingCriterion criterion : {RankingCriterion::Aicc, RankingCriterion::Bic}) {
      SCOPED_TRACE(RankingCriterionName(criterion));
      FastSearchOptions options(2);
      options.criterion = criterion;
      SearchMonitor monitor;
      const int place = PlaceOf(RunFastSearch(law.data, shape, options, monitor), law.text);
      EXPECT_GE(place, 1);
      EXPECT_LE(place, 3);
    }
  }
}

// A large common offset of Y keeps R squared true: no listed value above 1,
// and the line's R squared is the one an independent computation about the
// means in long double gives.
TEST(Ranking, ALargeOffsetOfYKeepsRSquaredTrue) {
  const SearchData data = testing::LargeOffsetSheet();
  const SearchShape shape = testing::ShapeFor(data, 5);
  SearchMonitor monitor;
  const SearchOutcome outcome = RunFastSearch(data, shape, FastSearchOptions(2), monitor);
  ASSERT_EQ(outcome.list.size(), EquationList::kCapacity);
  for (int slot = 0; slot < outcome.list.size(); ++slot) EXPECT_LE(outcome.list.slot(slot).rSquared, 1.0);

  long double meanX = 0, meanY = 0;
  const int n = data.pointCount;
  for (int i = 0; i < n; ++i) meanX += data.values[i][1], meanY += data.values[i][0];
  meanX /= n, meanY /= n;
  long double sxx = 0, sxy = 0, syy = 0;
  for (int i = 0; i < n; ++i) {
    const long double dx = data.values[i][1] - meanX, dy = data.values[i][0] - meanY;
    sxx += dx * dx, sxy += dx * dy, syy += dy * dy;
  }
  const double line = static_cast<double>(sxy * sxy / (sxx * syy));
  std::int64_t ordinal = 1;
  while (EquationText(CandidateAt(shape, ordinal)) != "Y = aX1 + b") ++ordinal;
  FitWorkspace workspace;
  ASSERT_TRUE(RecreateEquation(workspace, data, shape, ordinal));
  EXPECT_NEAR(workspace.lastRSquared, line, 1e-9 * line);
  EXPECT_GT(line, 0.9);
}

}  // namespace
}  // namespace rv
