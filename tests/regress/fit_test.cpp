#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "literal_reference.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "test_sheets.h"

namespace rv {
namespace {

Candidate Make(EquationSet set, std::initializer_list<Term> terms, bool rational = false) {
  Candidate candidate;
  candidate.set = set;
  candidate.rational = rational;
  for (const Term& term : terms) candidate.add(term);
  return candidate;
}

double Fit(FitWorkspace& ws, const SearchData& data, const Candidate& candidate) {
  BuildCandidate(ws, data, candidate);
  if (!FitCandidate(ws, 42)) return std::nan("");
  return ScoreCandidate(ws);
}

TEST(Fit, AgreesBitForBitWithTheLiteralFit) {
  const SearchData data = testing::SmoothLawSheet();
  FitWorkspace ws;
  const Candidate candidates[] = {
      Make(EquationSet::Y, {{kTermX, 1, 0}}),
      Make(EquationSet::Cube, {{kTermX2, 1, 2}, {kTermInvSqrt, 2, 3}, {kTermRatio, 3, 1}, {kTermExp, 1, 0}}),
      Make(EquationSet::Exp, {{kTermLn, 3, 0}, {kTermProduct, 1, 2}}),
      Make(EquationSet::Reciprocal, {{kTermInvX4, 2, 0}, {kTermX3, 3, 0}, {kTermInvLn, 3, 0}}),
      Make(EquationSet::Y, {{kRationalLinear, 1, 3}, {kRationalDenominator, 3, 0}}, true),
      Make(EquationSet::Log, {{kRationalSquare, 2, 2}, {kRationalDenominator, 2, 0}}, true),
      Make(EquationSet::Exp, {{kRationalLinear, 3, 1}, {kRationalDenominator, 1, 0}}, true),
  };
  for (const Candidate& candidate : candidates) {
    const testing::LiteralFit literal = testing::LiteralFitCandidate(data, candidate);
    ASSERT_TRUE(literal.resolved) << EquationText(candidate);
    const double r2 = Fit(ws, data, candidate);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(r2), std::bit_cast<std::uint64_t>(literal.rSquared))
        << EquationText(candidate);
    for (int j = 0; j <= candidate.termCount; ++j)
      EXPECT_EQ(std::bit_cast<std::uint64_t>(ws.coefficients[j]),
                std::bit_cast<std::uint64_t>(literal.coefficients[static_cast<size_t>(j)]));
  }
}

TEST(Fit, TwoPointsAndOneTermFitTheLineExactly) {
  const SearchData data = testing::TwoPointSheet();
  FitWorkspace ws;
  const double r2 = Fit(ws, data, Make(EquationSet::Y, {{kTermX, 1, 0}}));
  EXPECT_NEAR(r2, 1.0, 1e-12);
  EXPECT_NEAR(ws.coefficients[0], 1.0, 1e-12);
  EXPECT_NEAR(ws.coefficients[1], -1.0, 1e-12);
  EXPECT_EQ(ws.lastFittedOrdinal, 42);
  EXPECT_EQ(ws.lastRSquared, r2);
}

// A constant column is the constant again; a column that another column or
// the constant determine leaves nothing after the orthogonalisation. The
// rank test refuses both as columns that cannot be resolved.
TEST(Fit, RefusesColumnsThatCannotBeResolved) {
  const SearchData degenerate = testing::DegenerateSheet();  // X1 is 2 at every point, X3 equals Y
  const SearchData smooth = testing::SmoothLawSheet();
  const struct {
    const SearchData& data;
    Candidate candidate;
  } cases[] = {
      {degenerate, Make(EquationSet::Y, {{kTermX, 1, 0}})},
      {degenerate, Make(EquationSet::Y, {{kTermX, 2, 0}, {kTermInvX, 1, 0}})},
      {smooth, Make(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 1, 0}})},
      {smooth, Make(EquationSet::Log, {{kTermX, 2, 0}, {kTermLn, 3, 0}, {kTermX, 2, 0}})},
  };
  for (const auto& c : cases) {
    FitWorkspace ws;
    EXPECT_TRUE(std::isnan(Fit(ws, c.data, c.candidate))) << EquationText(c.candidate);
    EXPECT_EQ(ws.verdict, FitVerdict::Unresolved) << EquationText(c.candidate);
    EXPECT_FALSE(testing::LiteralFitCandidate(c.data, c.candidate).resolved) << EquationText(c.candidate);
  }
}

TEST(Fit, ScoresOnTheUntransformedScale) {
  const SearchData data = testing::SmoothLawSheet();
  FitWorkspace ws;
  const double r2 = Fit(ws, data, Make(EquationSet::Log, {{kTermX, 1, 0}}));
  double sumY = 0, ssRes = 0, sst = 0;
  for (int i = 0; i < data.pointCount; ++i) sumY += std::exp(std::log(data.values[i][0]));
  for (int i = 0; i < data.pointCount; ++i) {
    const double y = std::exp(std::log(data.values[i][0]));
    const double yhat = std::exp(ws.coefficients[0] * data.values[i][1] + ws.coefficients[1]);
    ssRes += (y - yhat) * (y - yhat);
    sst += (y - sumY / data.pointCount) * (y - sumY / data.pointCount);
  }
  EXPECT_NEAR(r2, 1.0 - ssRes / sst, 1e-12);
}

// Y = (2 X1 + 5) / (1 - 0.1 X1) with 0.5 % noise.
SearchData RationalLawSheet() {
  std::uint32_t state = 5;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 30; ++i) {
    const double x = 1.0 + 0.25 * i;
    rows.push_back({(2.0 * x + 5.0) / (1.0 - 0.1 * x) * (1.0 + 0.01 * testing::Noise(state)), x});
  }
  return testing::SheetFromRows(rows);
}

TEST(Fit, ARationalCandidateIsScoredByTheValueOfItsEquation) {
  const SearchData data = RationalLawSheet();
  FitWorkspace ws;
  const double r2 = Fit(ws, data, Make(EquationSet::Y, {{kRationalLinear, 1, 1}, {kRationalDenominator, 1, 0}}, true));
  const double a = ws.coefficients[0], b = ws.coefficients[1], c = ws.coefficients[2];
  EXPECT_NEAR(a, 2.0, 0.1);
  EXPECT_NEAR(b, 0.1, 0.01);
  EXPECT_NEAR(c, 5.0, 0.2);
  long double sumY = 0, sumY2 = 0, ssRes = 0;
  for (int i = 0; i < data.pointCount; ++i) {
    const long double x = data.values[i][1], y = data.values[i][0];
    const long double yhat = (a * x + c) / (1.0L - b * x);
    sumY += y, sumY2 += y * y, ssRes += (y - yhat) * (y - yhat);
  }
  EXPECT_NEAR(r2, static_cast<double>(1 - ssRes / (sumY2 - sumY * sumY / data.pointCount)), 1e-12);
  EXPECT_GT(r2, 0.999);

  // A denominator of zero at a data point (b = 1 / X there: an infinite
  // fitted value) leaves no usable score.
  ASSERT_EQ(ws.denominatorX[0], 1.0);
  ws.coefficients[1] = 1.0;
  EXPECT_FALSE(ScoreCandidate(ws) > 0.0);
  double merit = 0.0;
  EXPECT_FALSE(MayEnterList(ws.lastScore, RankingCriterion::RSquared, merit));
}

TEST(Fit, ADomainFaultRejectsBeforeAnyArithmetic) {
  SearchData data = testing::SmoothLawSheet();
  data.values[0][1] = -2.0;
  FitWorkspace ws;
  BuildCandidate(ws, data, Make(EquationSet::Y, {{kTermSqrt, 1, 0}}));
  ws.lastFittedOrdinal = 7;
  EXPECT_FALSE(FitCandidate(ws, 9));
  EXPECT_EQ(ws.verdict, FitVerdict::OutsideRange);
  EXPECT_EQ(ws.lastFittedOrdinal, 7);
}

TEST(EquationList, FillsSlotsInOrderThenReplacesTheLowestWithTheSmallestSlot) {
  EquationList list;
  EXPECT_EQ(list.chooseSlot(std::nan("")), -1);
  for (int i = 0; i < EquationList::kCapacity; ++i) {
    const double r2 = (i == 10 || i == 20) ? 0.1 : 0.5 + i * 1e-4;
    ASSERT_EQ(list.chooseSlot(r2), i);
    list.insert(i, MakeEquationRecord(r2, i + 1, "Y = a"));
  }
  EXPECT_EQ(list.chooseSlot(0.1), -1);  // equal to the lowest does not enter
  ASSERT_EQ(list.chooseSlot(0.2), 10);
  list.insert(10, MakeEquationRecord(0.2, 2001, "Y = b"));
  EXPECT_EQ(list.chooseSlot(0.15), 20);
  list.insert(20, MakeEquationRecord(0.3, 2002, "Y = c"));
  EXPECT_EQ(list.chooseSlot(0.2), -1);
  EXPECT_EQ(list.chooseSlot(0.25), 10);
  EXPECT_EQ(list.insertCount(), 1002);
  EXPECT_EQ(list.size(), 1000);
}

TEST(EquationList, SortsByDescendingRSquaredWithTiesInSlotOrder) {
  EquationList list;
  const double values[] = {0.5, 0.9, 0.5, 0.7, 0.9};
  for (int i = 0; i < 5; ++i) list.insert(list.chooseSlot(values[i]), MakeEquationRecord(values[i], i + 1, "t"));
  EXPECT_EQ(list.sortOrder(), (std::vector<int>{1, 4, 3, 0, 2}));
}

TEST(EquationRecord, KeepsTheWholeTexts) {
  const EquationRecord record = MakeEquationRecord(0.987654321, 626118126, std::string(200, 'x'));
  EXPECT_EQ(record.rSquaredText, " 0.987654");
  EXPECT_EQ(record.ordinalText, "626118126");
  EXPECT_EQ(record.textLength(), 200);
  EXPECT_EQ(MakeEquationRecord(1e20, 1, "").rSquaredText, " 100000000000000000000.000000");
}

}  // namespace
}  // namespace rv
