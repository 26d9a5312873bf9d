#include "regress/enumeration.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>

#include "regress/ordinal_range.h"
#include "regress/walk.h"

namespace rv {
namespace {

SearchShape Shape(int variables, int maxTerms, PerEquationSet<bool> sets = {true, true, true, true, true, true}) {
  SearchShape shape;
  shape.variables = variables;
  shape.maxTerms = maxTerms;
  shape.sets = sets;
  return shape;
}

struct ReferenceRow {
  int maxTerms, variables;
  PerEquationSet<std::int64_t> counts;
};

TEST(CandidateCounts, MatchTheReferenceTable) {
  const ReferenceRow table[] = {
      {5, 1, {1699, 2516, 2180, 2180, 2078, 2078}},
      {5, 3, {10927, 13372, 9340, 9340, 8104, 8104}},
      {5, 15, {258095, 270140, 159260, 159260, 125180, 125180}},
      {20, 3, {81987, 133572, 123156, 123156, 119944, 119944}},
      {20, 15, {99420318, 132918816, 103064880, 103064880, 93824616, 93824616}},
  };
  for (const ReferenceRow& row : table) {
    const SearchShape shape = Shape(row.variables, row.maxTerms);
    std::int64_t total = 0;
    for (EquationSet set : kEquationSets) {
      EXPECT_EQ(CountSetCandidates(shape, set), row.counts[set])
          << "MT " << row.maxTerms << ", n " << row.variables << ", set " << EquationSetNumber(set);
      total += row.counts[set];
    }
    EXPECT_EQ(CountCandidates(shape), total);
  }
  EXPECT_EQ(CountCandidates(Shape(15, 20)), 626118126);
  EXPECT_EQ(CountCandidates(Shape(15, 5)), 1097115);
  EXPECT_EQ(CountCandidates(Shape(3, 20)), 701759);
}

// Walks every candidate one by one and checks it against the direct jump.
void ExpectWalkMatchesJumps(const SearchShape& shape) {
  std::int64_t expected = 1;
  for (const Segment& segment : CandidateSequence(shape).segmentsBetween(1, CountCandidates(shape))) {
    WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
      ASSERT_EQ(ordinal, expected++);
      ASSERT_EQ(CandidateAt(shape, ordinal), candidate) << "ordinal " << ordinal;
      ASSERT_LE(candidate.termCount + 1, std::max(shape.maxTerms, 5)) << "ordinal " << ordinal;
    });
  }
  EXPECT_EQ(expected - 1, CountCandidates(shape));
}

TEST(CandidateSequence, WalkAndJumpAgreeOnEveryOrdinal) {
  ExpectWalkMatchesJumps(Shape(1, 5));
  ExpectWalkMatchesJumps(Shape(3, 5));
  ExpectWalkMatchesJumps(Shape(2, 1));
  ExpectWalkMatchesJumps(Shape(4, 8, {false, true, false, false, true, false}));
  ExpectWalkMatchesJumps(Shape(5, 3, {true, false, false, true, false, true}));
}

TEST(CandidateSequence, SegmentsOfAnyRangeJoinUpToTheWholeWalk) {
  const SearchShape shape = Shape(4, 7);
  const std::int64_t total = CountCandidates(shape);
  for (std::int64_t first : {std::int64_t{1}, std::int64_t{37}, total / 3, total - 5}) {
    const std::int64_t last = std::min(total, first + 20000);
    std::int64_t next = first;
    for (const Segment& segment : CandidateSequence(shape).segmentsBetween(first, last)) {
      EXPECT_EQ(segment.firstOrdinal, next);
      WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
        ASSERT_EQ(CandidateAt(shape, ordinal), candidate);
      });
      next += segment.count;
    }
    EXPECT_EQ(next, last + 1);
  }
}

// A thread's room is sized by WalkExtentOf: it must reach as far as every
// segment of the whole sequence does, and no further.
TEST(CandidateSequence, TheWalkExtentIsTheFarthestAnySegmentReaches) {
  for (int variables : {1, 2, 3, 5, 15})
    for (int maxTerms : {1, 2, 3, 5, 8, 17, 18, 20}) {
      SCOPED_TRACE(::testing::Message() << variables << " variables, Maximum Terms " << maxTerms);
      const SearchShape shape = Shape(variables, maxTerms);
      WalkExtent reached;
      for (const Segment& segment : CandidateSequence(shape).segmentsBetween(1, CountCandidates(shape))) {
        if (segment.rational) continue;
        const int columns = segment.pass.engine * (segment.block.m - 1) + std::popcount(segment.block.last);
        reached.termColumns = std::max(reached.termColumns, columns);
        if (segment.block.m < 2) continue;
        reached.nodeKinds = std::max(reached.nodeKinds, segment.pass.engine);
        reached.nodeDepths = std::max(reached.nodeDepths, segment.block.m - 1);
      }
      const WalkExtent extent = WalkExtentOf(shape);
      EXPECT_EQ(extent.termColumns, reached.termColumns);
      EXPECT_EQ(extent.nodeKinds, reached.nodeKinds);
      EXPECT_EQ(extent.nodeDepths, reached.nodeDepths);
    }
}

// Shards follow one another from ordinal 1 to the last, their sizes within
// one of each other; with more shards than candidates the last ones are empty.
TEST(CandidateSequence, ShardsCoverEveryOrdinalOnce) {
  for (const std::int64_t total : {std::int64_t{0}, std::int64_t{1}, std::int64_t{5}, std::int64_t{59187}})
    for (const int shards : {1, 2, 3, 7, 64}) {
      std::int64_t next = 1, smallest = total, largest = 0;
      for (int shard = 1; shard <= shards; ++shard) {
        const OrdinalRange range = ShardRange(total, shard, shards);
        EXPECT_EQ(range.first, next) << total << " in " << shards;
        next += range.count();
        smallest = std::min(smallest, range.count());
        largest = std::max(largest, range.count());
      }
      EXPECT_EQ(next, total + 1) << total << " in " << shards;
      EXPECT_LE(largest - smallest, 1) << total << " in " << shards;
    }
}

TEST(CandidateSequence, OneVariableStartsWithTheRationalForms) {
  const SearchShape shape = Shape(1, 5, {true, false, false, false, false, false});
  EXPECT_EQ(CountCandidates(shape), 1699);
  EXPECT_EQ(EquationText(CandidateAt(shape, 1)), "Y = (aX1 + c) / (1 - bX1)   ");
  EXPECT_EQ(EquationText(CandidateAt(shape, 2)), "Y = (aX1^2 + c) / (1 - bX1)   ");
  EXPECT_EQ(EquationText(CandidateAt(shape, 3)), "Y = aX1 + b");
}

TEST(CandidateSequence, RationalLoopsComeInTheSetsOrder) {
  // n = 3: R1 (3), R2 (3), then the pairs; Set 1 takes the square pairs
  // first, Sets 5 and 6 the linear ones.
  const SearchShape set1 = Shape(3, 5, {true, false, false, false, false, false});
  EXPECT_EQ(EquationText(CandidateAt(set1, 7)), "Y = (aX1^2 + c) / (1 - bX2)   ");
  EXPECT_EQ(EquationText(CandidateAt(set1, 10)), "Y = (aX1 + c) / (1 - bX2)   ");
  EXPECT_EQ(EquationText(CandidateAt(set1, 12)), "Y = (aX2 + c) / (1 - bX3)   ");
  const SearchShape set5 = Shape(3, 5, {false, false, false, false, true, false});
  EXPECT_EQ(EquationText(CandidateAt(set5, 7)), "ln(Y) = (aX1 + c) / (1 - bX2)   ");
  EXPECT_EQ(EquationText(CandidateAt(set5, 10)), "ln(Y) = (aX1^2 + c) / (1 - bX2)   ");
  const Candidate rational = CandidateAt(set5, 12);
  EXPECT_EQ(rational.terms[0], (Term{kRationalSquare, 2, 3}));
  EXPECT_EQ(rational.terms[1], (Term{kRationalDenominator, 3, 0}));
}

TEST(CandidateSequence, TwoKindExampleWithThreeVariables) {
  // E2 with A = X, B = X^2: twelve candidates, in the documented order.
  const SearchShape shape = Shape(3, 20, {true, false, false, false, false, false});
  const std::int64_t first = 12 + 16 * (3 + 3 + 1) + 1;  // rationals, then 16 one-kind passes
  const std::vector<std::string> expected = {"Y = aX1 + bX1^2 + c",
                                             "Y = aX2 + bX2^2 + c",
                                             "Y = aX3 + bX3^2 + c",
                                             "Y = aX1 + bX1^2 + cX2 + d",
                                             "Y = aX1 + bX1^2 + cX3 + d",
                                             "Y = aX2 + bX2^2 + cX3 + d",
                                             "Y = aX1 + bX1^2 + cX2 + dX2^2 + e",
                                             "Y = aX1 + bX1^2 + cX3 + dX3^2 + e",
                                             "Y = aX2 + bX2^2 + cX3 + dX3^2 + e",
                                             "Y = aX1 + bX1^2 + cX2 + dX2^2 + eX3 + f",
                                             "Y = aX1 + bX1^2 + cX2 + dX2^2 + eX3^2 + f",
                                             "Y = aX1 + bX1^2 + cX2 + dX2^2 + eX3 + fX3^2 + g"};
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(EquationText(CandidateAt(shape, first + static_cast<std::int64_t>(i))), expected[i]) << i;
}

TEST(CandidateSequence, MaximumTermsOneStillRunsTheUngatedBlocks) {
  // Rationals, then one candidate per variable in E1, E2 and E4 passes; E3's
  // single-variable block only from Maximum Terms 4.
  const SearchShape one = Shape(2, 1, {true, false, false, false, false, false});
  EXPECT_EQ(CountCandidates(one), 6 + (16 + 120 + 1001) * 2);
  const SearchShape three = Shape(2, 3, {true, false, false, false, false, false});
  EXPECT_EQ(CountCandidates(three), 6 + 16 * 3 + 120 * 2 + 1001 * 2);
  const SearchShape four = Shape(2, 4, {true, false, false, false, false, false});
  EXPECT_EQ(CountCandidates(four), 6 + 16 * 3 + 120 * 3 + 560 * 2 + 1001 * 2);
}

TEST(CandidateSequence, TwoVariableKindsOnTheLastVariableGetNoSecondVariable) {
  const SearchShape shape = Shape(2, 5, {true, false, false, false, false, false});
  // E1 pass of kind 15 starts after the rationals and fourteen passes of 3.
  const Candidate single = CandidateAt(shape, 6 + 14 * 3 + 1);
  EXPECT_EQ(single.terms[0], (Term{kTermProduct, 1, 0}));
  EXPECT_TRUE(CandidateAlwaysFaults(single));
  EXPECT_EQ(EquationText(single), "Y = a");
  const Candidate pair = CandidateAt(shape, 6 + 14 * 3 + 3);
  EXPECT_EQ(EquationText(pair), "Y = a X1 X2 + b");
  EXPECT_EQ(pair.terms[1], (Term{kTermProduct, 2, 0}));
}

TEST(CandidateSequenceTiming, JumpingToTheLastOrdinalOfTheLargestSearchIsImmediate) {
  const SearchShape shape = Shape(15, 20);
  const auto start = std::chrono::steady_clock::now();
  const Candidate last = CandidateAt(shape, 626118126);
  const Candidate first = CandidateAt(shape, 1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 0.05);
  EXPECT_EQ(last.set, EquationSet::Exp);
  EXPECT_EQ(EquationText(first), "Y = (aX1 + c) / (1 - bX1)   ");
  // The last candidate: m = 5, last group D, of the last quadruple 13, 14, 15, 16.
  EXPECT_EQ(last.termCount, 17);
  EXPECT_EQ(last.terms[16], (Term{kTermRatio, 15, 0}));
  EXPECT_EQ(last.terms[0], (Term{kTermExp, 11, 12}));
}

TEST(Subsets, UnrankAndNextAgree) {
  for (int n = 1; n <= 7; ++n)
    for (int m = 1; m <= n; ++m) {
      std::uint8_t walked[kMaxSearchVariables], jumped[kMaxSearchVariables];
      UnrankSubset(n, m, 0, walked);
      for (std::int64_t rank = 0; rank < Binomial(n, m); ++rank) {
        UnrankSubset(n, m, rank, jumped);
        for (int i = 0; i < m; ++i) ASSERT_EQ(walked[i], jumped[i]) << n << " " << m << " " << rank;
        EXPECT_EQ(NextSubset(n, m, walked), rank + 1 < Binomial(n, m));
      }
    }
}

}  // namespace
}  // namespace rv
