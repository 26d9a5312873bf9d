#include "regress/fast_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "regress/y_uncertainty.h"
#include "search_expectations.h"
#include "test_sheets.h"

namespace rv {
namespace {

using testing::ExpectSameList;
using testing::ShapeFor;
using testing::SupportedWidths;

// A five-variable sheet with a repeated column and many ties.
SearchData FiveVariableSheet() {
  std::uint32_t state = 3;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 24; ++i) {
    const double x1 = 1.0 + 0.25 * i, x2 = 3.0 - 0.1 * i, x3 = 0.2 + (i % 5), x4 = x1, x5 = 2.0 + std::sin(i);
    rows.push_back({10.0 + x1 * x5 - 2.0 * std::sqrt(x3) + 0.2 * testing::Noise(state), x1, x2, x3, x4, x5});
  }
  return testing::SheetFromRows(rows);
}

// Five smooth variables with little noise: long equations fit best.
SearchData FiveSmoothVariablesSheet() {
  std::uint32_t state = 17;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 30; ++i) {
    const double x1 = 1.0 + 0.3 * i, x2 = 1.5 + std::fmod(0.7 * i, 4.0), x3 = 2.0 + std::cos(i),
                 x4 = 0.5 + 0.05 * i * i, x5 = 3.0 + std::sin(0.5 * i);
    rows.push_back(
        {2.0 + x1 + 0.5 * x2 * x2 + std::sqrt(x3) + 0.3 * x4 * x5 + 0.01 * testing::Noise(state), x1, x2, x3, x4, x5});
  }
  return testing::SheetFromRows(rows);
}

struct Case {
  const char* name;
  SearchData data;
  int maxTerms;
  PerEquationSet<bool> sets = {true, true, true, true, true, true};
};

std::vector<Case> Cases() {
  return {{"smooth law, Maximum Terms 8", testing::SmoothLawSheet(), 8},
          {"zeros and negatives", testing::ZerosAndNegativesSheet(), 6},
          {"empty cells", testing::EmptyCellsSheet(), 8},
          {"degenerate ties", testing::DegenerateSheet(), 6},
          {"all Y equal", testing::AllYEqualSheet(), 4},
          {"two points", testing::TwoPointSheet(), 3},
          {"five variables", FiveVariableSheet(), 4},
          // Blocks of many columns, whose neighbours share the orthogonalisation
          // of all but their last variable's columns; the passes of two kinds
          // reach five variables and walk as one tree, whose nodes hand the
          // columns of pairs of variables down.
          {"five variables, long equations", FiveSmoothVariablesSheet(), 10, {true, false, false, false, false, false}},
          {"large offset", testing::LargeOffsetSheet(), 5},
          {"one variable, many copies", testing::SingleVariableSheet(), 6}};
}

// Searches on two threads make the pairs' columns on demand, as a long
// sheet's bank does, instead of reading them stored.
double BankBytesFor(int threads) { return threads == 2 ? 0.0 : ColumnBank::kStoredBytes; }

class FastSearchTest : public ::testing::TestWithParam<int> {};

TEST_P(FastSearchTest, GivesTheLiteralListForEveryCriterionThreadCountAndChunking) {
  const Case c = Cases()[static_cast<size_t>(GetParam())];
  SCOPED_TRACE(c.name);
  const SearchShape shape = ShapeFor(c.data, c.maxTerms, c.sets);
  for (RankingCriterion criterion : kRankingCriteria) {
    std::int64_t insertions = 0;
    RefusalCount refusals;
    const auto literal = testing::LiteralSearch(c.data, shape, &insertions, criterion, &refusals);
    for (VectorWidth width : SupportedWidths()) {
      for (int threads : {1, 2, 3}) {
        for (std::int64_t chunk : {std::int64_t{1} << 16, std::int64_t{997}}) {
          SCOPED_TRACE(::testing::Message()
                       << RankingCriterionName(criterion) << ", " << threads << " threads, chunks of " << chunk
                       << ", vector width " << static_cast<int>(width));
          SearchMonitor monitor;
          FastSearchOptions options(threads);
          options.storedBankBytes = BankBytesFor(threads);
          options.chunkSize = chunk;
          options.vectors = width;
          options.criterion = criterion;
          const SearchOutcome outcome = RunFastSearch(c.data, shape, options, monitor);
          ExpectSameList(outcome, literal);
          EXPECT_EQ(outcome.list.insertCount(), insertions);
          EXPECT_EQ(outcome.refusals.outsideRange, refusals.outsideRange);
          EXPECT_EQ(outcome.refusals.unresolved, refusals.unresolved);
          EXPECT_EQ(outcome.candidateCount, CountCandidates(shape));
          EXPECT_EQ(monitor.done(), outcome.candidateCount);
          EXPECT_FALSE(outcome.stopped);
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DataSets, FastSearchTest, ::testing::Range(0, 10));

// Sheets longer than the file's 99 rows: the reorder margin grows with the
// points and the scratch is sized by them. Large offsets are what the
// standardised columns are for.
TEST(FastSearch, LongSheetsGiveTheLiteralList) {
  const std::vector<Case> cases = {
      {"1000 points, three variables", testing::LongLawSheet(1000, 3), 2, {true, false, false, false, false, false}},
      {"1000 points near 2460000.5",
       testing::LongLawSheet(1000, 1, 2460000.5),
       3,
       {true, false, false, false, true, false}},
      {"150 points near 1e9", testing::LongLawSheet(150, 2, 1e9), 3, {true, true, false, false, false, false}}};
  for (const Case& c : cases) {
    ASSERT_GT(c.data.pointCount, kSheetRows) << c.name;
    const SearchShape shape = ShapeFor(c.data, c.maxTerms, c.sets);
    for (RankingCriterion criterion : {RankingCriterion::RSquared, RankingCriterion::Aicc}) {
      SCOPED_TRACE(::testing::Message() << c.name << ", by " << RankingCriterionName(criterion));
      std::int64_t insertions = 0;
      const auto literal = testing::LiteralSearch(c.data, shape, &insertions, criterion);
      for (VectorWidth width : SupportedWidths()) {
        SCOPED_TRACE(static_cast<int>(width));
        FastSearchOptions options(2);
        options.storedBankBytes = BankBytesFor(2);
        options.vectors = width;
        options.criterion = criterion;
        SearchMonitor monitor;
        const SearchOutcome outcome = RunFastSearch(c.data, shape, options, monitor);
        ExpectSameList(outcome, literal);
        EXPECT_EQ(outcome.list.insertCount(), insertions);
      }
    }
  }
}

// The sheet with an uncertainty of Y in X16 at every point, growing with Y
// and scattered, and every fit weighted by it.
SearchData Weighted(SearchData data, std::uint32_t seed) {
  for (int i = 0; i < data.pointCount; ++i)
    data.values[i][kSigmaColumn] = 0.02 * (1.0 + std::fabs(data.values[i][0])) * (1.0 + testing::Noise(seed));
  data.weighted = true;
  return data;
}

// Weighted fits on every Y form (with the faults of zeros and negatives, and
// Y^2 whose sigma vanishes at Y = 0), a large offset and a long sheet, ranked
// by R squared, AICc and predicted R squared.
TEST(FastSearch, WeightedSearchesGiveTheLiteralList) {
  const std::vector<Case> cases = {
      {"smooth law", Weighted(testing::SmoothLawSheet(), 5), 6},
      {"zeros and negatives", Weighted(testing::ZerosAndNegativesSheet(), 6), 5},
      {"large offset", Weighted(testing::LargeOffsetSheet(), 7), 4},
      {"five variables", Weighted(FiveVariableSheet(), 8), 4},
      {"150 points", Weighted(testing::LongLawSheet(150, 3), 9), 3, {true, false, true, false, true, false}}};
  for (const Case& c : cases) {
    const SearchShape shape = ShapeFor(c.data, c.maxTerms, c.sets);
    for (RankingCriterion criterion :
         {RankingCriterion::RSquared, RankingCriterion::Aicc, RankingCriterion::PredictedRSquared}) {
      SCOPED_TRACE(::testing::Message() << c.name << ", by " << RankingCriterionName(criterion));
      std::int64_t insertions = 0;
      RefusalCount refusals;
      const auto literal = testing::LiteralSearch(c.data, shape, &insertions, criterion, &refusals);
      ASSERT_FALSE(literal.empty());
      for (VectorWidth width : SupportedWidths()) {
        for (int threads : {1, 2}) {
          SCOPED_TRACE(::testing::Message() << threads << " threads, vector width " << static_cast<int>(width));
          FastSearchOptions options(threads);
          options.storedBankBytes = BankBytesFor(threads);
          options.vectors = width;
          options.criterion = criterion;
          options.chunkSize = 997;
          SearchMonitor monitor;
          const SearchOutcome outcome = RunFastSearch(c.data, shape, options, monitor);
          ExpectSameList(outcome, literal);
          EXPECT_EQ(outcome.list.insertCount(), insertions);
          EXPECT_EQ(outcome.refusals.outsideRange, refusals.outsideRange);
          EXPECT_EQ(outcome.refusals.unresolved, refusals.unresolved);
        }
      }
    }
  }
}

TEST(FastSearch, AnnouncesTheSetsInTurn) {
  const SearchData data = testing::SmoothLawSheet();
  SearchShape shape = ShapeFor(data, 5);
  shape.sets = {true, false, true, false, false, true};
  SearchMonitor monitor;
  FastSearchOptions options(2);
  options.chunkSize = 500;
  RunFastSearch(data, shape, options, monitor);
  EXPECT_EQ(monitor.takeEvents(), (std::vector<SetEvent>{{EquationSet::Y, false},
                                                         {EquationSet::Y, true},
                                                         {EquationSet::Square, false},
                                                         {EquationSet::Square, true},
                                                         {EquationSet::Exp, false},
                                                         {EquationSet::Exp, true}}));
}

struct StoppedSearch {
  SearchOutcome outcome;
  std::int64_t candidateCount = 0;
  std::int64_t doneAtEnd = 0;
  double secondsToStop = 0;
};

// A search on ten variables and Maximum Terms 20 runs far longer than the
// 200 ms it gets before the stop request.
StoppedSearch RunAndStopASearch() {
  std::uint32_t state = 9;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 60; ++i) {
    std::vector<double> row = {5.0 + testing::Noise(state)};
    for (int v = 1; v <= 10; ++v) row.push_back(1.0 + v + testing::Noise(state));
    rows.push_back(row);
  }
  const SearchData data = testing::SheetFromRows(rows);
  const SearchShape shape = ShapeFor(data, 20);
  SearchMonitor monitor;
  StoppedSearch stopped;
  stopped.candidateCount = CountCandidates(shape);
  std::jthread worker([&] { stopped.outcome = RunFastSearch(data, shape, FastSearchOptions(2), monitor); });
  while (monitor.done() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto stopAt = std::chrono::steady_clock::now();
  monitor.requestStop();
  worker.join();
  stopped.secondsToStop = std::chrono::duration<double>(std::chrono::steady_clock::now() - stopAt).count();
  stopped.doneAtEnd = monitor.done();
  return stopped;
}

TEST(FastSearch, AStopKeepsWhatWasFound) {
  const StoppedSearch stopped = RunAndStopASearch();
  EXPECT_TRUE(stopped.outcome.stopped);
  EXPECT_EQ(stopped.outcome.candidateCount, stopped.candidateCount);
  EXPECT_LT(stopped.doneAtEnd, stopped.outcome.candidateCount);
  EXPECT_FALSE(stopped.outcome.list.empty());
}

TEST(FastSearchTiming, AStopEndsTheSearchWithinTwoSeconds) { EXPECT_LT(RunAndStopASearch().secondsToStop, 2.0); }

}  // namespace
}  // namespace rv
