#include "regress/search_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "regress/current_equation.h"
#include "test_sheets.h"

namespace rv {
namespace {

SearchRequest RequestFor(const SearchData& data, int maxTerms) {
  SearchRequest request;
  request.data = data;
  request.shape.variables = data.variableCount();
  request.shape.maxTerms = maxTerms;
  request.threads = 2;
  return request;
}

SearchData ManyVariables() {
  std::uint32_t state = 21;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 50; ++i) {
    std::vector<double> row = {4.0 + testing::Noise(state)};
    for (int v = 1; v <= 12; ++v) row.push_back(2.0 + v + testing::Noise(state));
    rows.push_back(row);
  }
  return testing::SheetFromRows(rows);
}

TEST(SearchRun, RunsToTheEndAndLeavesItsOutcomeOnce) {
  SearchRun run;
  ASSERT_EQ(run.start(RequestFor(testing::SmoothLawSheet(), 4)), SearchStart::Started);
  run.wait();
  EXPECT_FALSE(run.running());
  EXPECT_EQ(run.progress().phase, SearchPhase::Finished);
  EXPECT_EQ(run.progress().done, run.progress().total);
  const auto outcome = run.takeOutcome();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(outcome->stopped);
  EXPECT_FALSE(outcome->list.empty());
  EXPECT_FALSE(run.takeOutcome().has_value());
  const auto events = run.takeEvents();
  EXPECT_EQ(events.size(), 12u);
}

TEST(SearchRun, RefusesTooFewPointsAndASecondSearch) {
  SearchRun run;
  SearchData one = testing::TwoPointSheet();
  one.pointCount = 1;
  EXPECT_EQ(run.start(RequestFor(one, 3)), SearchStart::TooFewPoints);
  ASSERT_EQ(run.start(RequestFor(ManyVariables(), 20)), SearchStart::Started);
  EXPECT_EQ(run.start(RequestFor(testing::SmoothLawSheet(), 3)), SearchStart::AlreadyRunning);
  run.requestStop();
  run.wait();
}

TEST(SearchRunTiming, AStopAtAnyMomentEndsTheRunWithWhatItFound) {
  for (int delayMs : {0, 1, 300}) {
    SearchRun run;
    ASSERT_EQ(run.start(RequestFor(ManyVariables(), 20)), SearchStart::Started);
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    const auto stopAt = std::chrono::steady_clock::now();
    run.requestStop();
    ASSERT_TRUE(run.waitFor(std::chrono::seconds(2))) << "stop after " << delayMs << " ms";
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - stopAt).count(), 2.0);
    const auto outcome = run.takeOutcome();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->stopped);
    EXPECT_EQ(outcome->candidateCount, CountCandidates(RequestFor(ManyVariables(), 20).shape));
  }
}

TEST(CurrentEquation, IsReCreatedOnlyWhenItsOrdinalWasNotFittedLast) {
  const SearchRequest request = RequestFor(testing::SmoothLawSheet(), 4);
  SearchRun run;
  run.start(request);
  run.wait();
  const auto outcome = run.takeOutcome();
  const EquationRecord& best = outcome->list.slot(outcome->list.sortOrder()[0]);
  FitWorkspace workspace;
  EXPECT_FALSE(ChosenEquationIsCurrent(best, workspace));
  ASSERT_TRUE(MakeChosenEquationCurrent(workspace, request.data, request.shape, best));
  EXPECT_TRUE(ChosenEquationIsCurrent(best, workspace));
  EXPECT_EQ(workspace.text, best.text);
  EXPECT_EQ(workspace.lastRSquared, best.rSquared);
}

}  // namespace
}  // namespace rv
