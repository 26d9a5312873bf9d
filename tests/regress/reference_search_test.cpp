#include "regress/reference_search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "regress/recreate_equation.h"
#include "search_expectations.h"
#include "test_sheets.h"

namespace rv {
namespace {

using testing::ExpectSameList;
using testing::ShapeFor;

struct Case {
  const char* name;
  SearchData data;
  int maxTerms;
};

class ReferenceSearchTest : public ::testing::TestWithParam<int> {};

std::vector<Case> Cases() {
  return {{"smooth law", testing::SmoothLawSheet(), 5},
          {"zeros and negatives", testing::ZerosAndNegativesSheet(), 4},
          {"empty cells", testing::EmptyCellsSheet(), 6},
          {"two points", testing::TwoPointSheet(), 3},
          {"degenerate ties", testing::DegenerateSheet(), 4},
          {"all Y equal", testing::AllYEqualSheet(), 3},
          {"large offset", testing::LargeOffsetSheet(), 4},
          {"one variable, many copies", testing::SingleVariableSheet(), 5}};
}

TEST_P(ReferenceSearchTest, EqualsTheLiteralSearchForEveryCriterion) {
  const Case c = Cases()[static_cast<size_t>(GetParam())];
  SCOPED_TRACE(c.name);
  const SearchShape shape = ShapeFor(c.data, c.maxTerms);
  for (RankingCriterion criterion : kRankingCriteria) {
    SCOPED_TRACE(RankingCriterionName(criterion));
    SearchMonitor monitor;
    const SearchOutcome outcome = RunReferenceSearch(c.data, shape, monitor, criterion);
    std::int64_t insertions = 0;
    RefusalCount refusals;
    ExpectSameList(outcome, testing::LiteralSearch(c.data, shape, &insertions, criterion, &refusals));
    EXPECT_EQ(outcome.list.insertCount(), insertions);
    EXPECT_EQ(outcome.refusals.outsideRange, refusals.outsideRange);
    EXPECT_EQ(outcome.refusals.unresolved, refusals.unresolved);
    EXPECT_EQ(outcome.candidateCount, CountCandidates(shape));
    EXPECT_EQ(monitor.done(), outcome.candidateCount);
    EXPECT_FALSE(outcome.stopped);
  }
}

INSTANTIATE_TEST_SUITE_P(DataSets, ReferenceSearchTest, ::testing::Range(0, 8));

TEST(ReferenceSearch, InsertsMoreThanAThousandTimesAndKeepsTheBest) {
  const SearchData data = testing::SmoothLawSheet(20);
  const SearchShape shape = ShapeFor(data, 5);
  SearchMonitor monitor;
  const SearchOutcome outcome = RunReferenceSearch(data, shape, monitor);
  EXPECT_GT(outcome.list.insertCount(), 1000);
  EXPECT_EQ(outcome.list.size(), 1000);
}

TEST(ReferenceSearch, ListsNoEquationWithMoreCoefficientsThanPoints) {
  const SearchData two = testing::TwoPointSheet();
  const SearchData three = testing::SheetFromRows({{1.0, 2.0, 5.0}, {3.0, 4.0, 7.0}, {4.0, 5.5, 6.0}});
  for (const SearchData& data : {two, three}) {
    const SearchShape shape = ShapeFor(data, 5);
    SearchMonitor monitor;
    const SearchOutcome outcome = RunReferenceSearch(data, shape, monitor);
    ASSERT_FALSE(outcome.list.empty());
    bool exactFitListed = false;
    for (int slot = 0; slot < outcome.list.size(); ++slot) {
      const Candidate candidate = CandidateAt(shape, outcome.list.slot(slot).ordinal);
      EXPECT_LE(candidate.termCount + 1, data.pointCount) << EquationText(candidate);
      exactFitListed |= candidate.termCount + 1 == data.pointCount && outcome.list.slot(slot).rSquared > 0.999999;
    }
    // An exact fit with as many coefficients as points is still listed.
    EXPECT_TRUE(exactFitListed) << data.pointCount;
  }
}

// The engines' passes build "Y^2 = aX1 + bX1^2 + c" and its like many times
// over; the list holds each text once, the one enumerated first.
TEST(ReferenceSearch, ListsEachEquationTextOnce) {
  const SearchData data = testing::SingleVariableSheet();
  const SearchShape shape = ShapeFor(data, 5);
  std::map<std::string, std::int64_t> firstOrdinal;
  std::int64_t copies = 0;
  for (std::int64_t ordinal = 1; ordinal <= CountCandidates(shape); ++ordinal)
    copies += !firstOrdinal.emplace(EquationText(CandidateAt(shape, ordinal)), ordinal).second;
  ASSERT_GT(copies, 100);
  SearchMonitor monitor;
  const SearchOutcome outcome = RunReferenceSearch(data, shape, monitor, RankingCriterion::Aicc);
  std::set<std::string> texts;
  for (int slot = 0; slot < outcome.list.size(); ++slot) {
    const EquationRecord& entry = outcome.list.slot(slot);
    EXPECT_TRUE(texts.insert(entry.text).second) << entry.text;
    EXPECT_EQ(entry.ordinal, firstOrdinal[entry.text]) << entry.text;
  }
}

TEST(ReferenceSearch, AnnouncesEachEnabledSetAndStopsWhenAsked) {
  const SearchData data = testing::SmoothLawSheet();
  const SearchShape shape = ShapeFor(data, 3, {false, true, false, false, true, false});
  SearchMonitor monitor;
  RunReferenceSearch(data, shape, monitor);
  EXPECT_EQ(monitor.takeEvents(), (std::vector<SetEvent>{{EquationSet::Reciprocal, false},
                                                         {EquationSet::Reciprocal, true},
                                                         {EquationSet::Log, false},
                                                         {EquationSet::Log, true}}));

  SearchMonitor stopped;
  stopped.requestStop();
  const SearchOutcome outcome = RunReferenceSearch(data, shape, stopped);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_TRUE(outcome.list.empty());
  EXPECT_EQ(outcome.candidateCount, CountCandidates(shape));
}

TEST(RecreateEquation, RebuildsTheListedEquationWithoutTouchingTheList) {
  const SearchData data = testing::EmptyCellsSheet();
  const SearchShape shape = ShapeFor(data, 6);
  SearchMonitor monitor;
  const SearchOutcome outcome = RunReferenceSearch(data, shape, monitor);
  ASSERT_FALSE(outcome.list.empty());
  FitWorkspace ws;
  for (int slot : {0, outcome.list.size() / 2, outcome.list.size() - 1}) {
    const EquationRecord& record = outcome.list.slot(slot);
    ASSERT_TRUE(RecreateEquation(ws, data, shape, record.ordinal));
    EXPECT_EQ(ws.text, record.text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ws.lastRSquared), std::bit_cast<std::uint64_t>(record.rSquared));
    EXPECT_EQ(ws.lastFittedOrdinal, record.ordinal);
  }
  EXPECT_FALSE(RecreateEquation(ws, data, shape, 0));
  EXPECT_FALSE(RecreateEquation(ws, data, shape, CountCandidates(shape) + 1));
}

TEST(RecreateEquation, RefusesAnEquationThatWouldReadAnEmptiedCell) {
  SearchData data = testing::SmoothLawSheet();
  const SearchShape shape = ShapeFor(data, 3);
  std::int64_t ordinal = 1;
  while (EquationText(CandidateAt(shape, ordinal)) != "Y = aX1 + b") ++ordinal;
  FitWorkspace ws;
  ASSERT_TRUE(RecreateEquation(ws, data, shape, ordinal));
  // The counts stay those of the search, as a data file keeps them.
  data.values[4][1] = EmptyValue;
  EXPECT_FALSE(RecreateEquation(ws, data, shape, ordinal));
  // A variable the equation does not read may be emptied.
  data.values[4][1] = 1.5;
  data.values[4][2] = EmptyValue;
  EXPECT_TRUE(RecreateEquation(ws, data, shape, ordinal));
}

}  // namespace
}  // namespace rv
