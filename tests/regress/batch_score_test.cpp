#include "regress/batch_score.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "search_expectations.h"
#include "test_sheets.h"

namespace rv {
namespace {

using testing::SupportedWidths;

// A sheet on which every set's transform holds: positive Y and variables.
SearchData PositiveSheet(int points) {
  std::uint32_t state = 23;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < points; ++i) {
    const double x1 = 0.5 + 0.21 * i, x2 = 1.0 + std::fmod(0.37 * i * i, 3.0), x3 = 2.0 + std::sin(0.4 * i);
    rows.push_back({1.5 + 0.2 * x1 + 0.3 * std::log(x2) * x3 + 0.05 * testing::Noise(state), x1, x2, x3});
  }
  return testing::SheetFromRows(rows);
}

// Candidates of m columns drawn from the bank's usable columns, none twice,
// the constant last.
std::vector<std::vector<int>> DrawCandidates(const ColumnBank& bank, int m, int count, std::uint32_t seed) {
  std::vector<int> usable;
  std::vector<bool> representativeTaken(static_cast<size_t>(bank.columnCount()), false);
  for (int id = 0; id + 1 < bank.columnCount(); ++id)
    if (!bank.faulted(id) && bank.representative(id) == id) usable.push_back(id);
  std::vector<std::vector<int>> candidates;
  for (int c = 0; c < count; ++c) {
    std::vector<int> ids;
    std::vector<bool> taken(usable.size(), false);
    while (static_cast<int>(ids.size()) + 1 < m) {
      seed = seed * 1664525u + 1013904223u;
      const size_t pick = (seed >> 8) % usable.size();
      if (taken[pick]) continue;
      taken[pick] = true;
      ids.push_back(usable[pick]);
    }
    ids.push_back(bank.constantId());
    candidates.push_back(ids);
  }
  return candidates;
}

struct Expected {
  bool above;
  EntryScore score;
};

Expected OneCandidate(const ColumnBank& bank, const SetScoring& scoring, const std::vector<int>& ids,
                      const EntryTest& test, VectorWidth width) {
  ScoreScratch scratch;
  Expected expected{false, {}};
  expected.above = ScoreAboveThreshold(bank, scoring, ids.data(), static_cast<int>(ids.size()), test, width, scratch,
                                       expected.score);
  return expected;
}

// Every set, several sizes of equation and thresholds from "everything
// passes" to "almost nothing does" (so lanes leave early, in every pattern,
// and the last ones are handed over), every batch size and vector width: each
// candidate's verdict and R squared are the one-candidate path's to the bit.
TEST(BatchScore, EveryLaneSettlesAsTheOneCandidatePathDoes) {
  const SearchData data = PositiveSheet(37);
  const ColumnBank bank(data);
  BatchScratch scratch;
  int handedOver = 0, settledInBatch = 0, passed = 0, ruledOut = 0;
  for (EquationSet set : kEquationSets) {
    const SetScoring scoring = PrepareSetScoring(bank, data, set);
    ASSERT_FALSE(scoring.yFault);
    for (int m : {1, 2, 3, 5, 8, 13, 20}) {
      const auto candidates = DrawCandidates(bank, m, 24, static_cast<std::uint32_t>(EquationSetNumber(set) * 100 + m));
      for (double threshold : {0.0, 0.3, 0.8, 0.95, 0.995}) {
        const EntryTest test(RankingCriterion::RSquared, threshold, scoring.denominator, data.pointCount, m);
        for (VectorWidth width : SupportedWidths()) {
          for (int size = 1; size <= BatchLanes(width); ++size) {
            const size_t lanes = static_cast<size_t>(size);
            for (size_t first = 0; first + lanes <= candidates.size(); first += lanes) {
              CandidateBatch batch;
              batch.columns = m;
              batch.size = size;
              for (size_t l = 0; l < lanes; ++l) batch.put(static_cast<int>(l), candidates[first + l].data());
              BatchVerdict verdict;
              ScoreBatchAboveThreshold(bank, scoring, batch, test, width, scratch, verdict);
              handedOver += verdict.handedOver;
              settledInBatch += size - verdict.handedOver;
              for (int l = 0; l < size; ++l) {
                SCOPED_TRACE(::testing::Message()
                             << "set " << EquationSetNumber(set) << ", " << m << " columns, threshold " << threshold
                             << ", width " << static_cast<int>(width) << ", batch of " << size << ", lane " << l);
                const Expected expected =
                    OneCandidate(bank, scoring, candidates[first + static_cast<size_t>(l)], test, width);
                ASSERT_EQ(verdict.above[l], expected.above);
                if (expected.above) {
                  ++passed;
                  ASSERT_EQ(std::bit_cast<std::uint64_t>(verdict.score[l].ssRes),
                            std::bit_cast<std::uint64_t>(expected.score.ssRes));
                  ASSERT_EQ(std::bit_cast<std::uint64_t>(verdict.score[l].merit),
                            std::bit_cast<std::uint64_t>(expected.score.merit));
                } else {
                  ++ruledOut;
                }
              }
            }
          }
        }
      }
    }
  }
  // The cases above reach every way a lane can end.
  EXPECT_GT(handedOver, 0);
  EXPECT_GT(settledInBatch, 0);
  EXPECT_GT(passed, 0);
  EXPECT_GT(ruledOut, 0);
}

// Where preconditions are checked (the Debug and sanitizer builds), a lane
// or column count out of range stops the program at the call, naming the
// broken condition, before it writes past the batch.
TEST(BatchScore, RefusesALaneOrColumnCountOutOfRange) {
#if !defined(REGROVANTIS_CONTRACTS)
  GTEST_SKIP() << "preconditions are checked in the Debug and sanitizer builds";
#else
  const int ids[kMaxCandidateColumns + 1] = {};
  const struct {
    int columns;
    int lane;
    const char* broken;
  } cases[] = {{2, kMaxBatchLanes, "lane < kMaxBatchLanes"},
               {2, -1, "lane >= 0"},
               {0, 0, "columns >= 1"},
               {kMaxCandidateColumns + 1, 0, "columns <= kMaxCandidateColumns"}};
  for (const auto& c : cases) {
    CandidateBatch batch;
    batch.columns = c.columns;
    EXPECT_DEATH(batch.put(c.lane, ids), c.broken) << c.columns << " columns, lane " << c.lane;
  }
  CandidateBatch fine;
  fine.columns = kMaxCandidateColumns;
  fine.put(kMaxBatchLanes - 1, ids);
  EXPECT_EQ(fine.ids[kMaxCandidateColumns - 1][kMaxBatchLanes - 1], 0);
#endif
}

}  // namespace
}  // namespace rv
