#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "regress/candidate.h"
#include "regress/search_data.h"
#include "sheet/document.h"

namespace rv {

// At most X1 ... X15 take part; a subset of them holds as many at most.
inline constexpr int kMaxSearchVariables = 15;

// What fixes the sequence of candidates: the number of variables taking part
// (n = ColumnCount - 1), Maximum Terms and the enabled sets.
struct SearchShape {
  int variables = 0;
  int maxTerms = 5;
  PerEquationSet<bool> sets{true, true, true, true, true, true};
};

// The shape of a search over this data with these options.
SearchShape MakeSearchShape(const SearchData& data, const DocumentOptions& options);

// One pass of an engine of a set: its kinds A, B, C, D (as many as the
// engine has).
struct KindPass {
  EquationSet set = EquationSet::Y;
  int engine = 1;                       // number of kinds in the pass, 1 to 4
  std::array<std::uint8_t, 4> kinds{};  // A, B, C, D
};

// One block of a pass. A candidate of the block takes m variables
// u1 < ... < um: every kind of the pass on u1 ... u(m-1), then the kinds of
// the last group on um, each in the order A, B, C, D.
struct VariableBlock {
  int m = 1;
  std::uint8_t last = 0;  // bit k set: kind k is in the last group
  bool ungated = false;   // runs whenever there are m variables, whatever Maximum Terms
};

// The number of kinds in a last group (bit k for kind k, at most four),
// from a table of sixteen counts in the nibbles of one number: no call, no
// load, and no instruction a processor may lack.
constexpr int KindCount(unsigned kinds) {
  return static_cast<int>((0x4332322132212110ULL >> (4 * (kinds & 0xFu))) & 0xFu);
}

// A stretch of consecutive ordinals inside one block (or inside the rational
// candidates of a set), starting at rank firstRank of that block.
struct Segment {
  EquationSet set = EquationSet::Y;
  bool rational = false;
  KindPass pass;
  VariableBlock block;
  std::int64_t firstOrdinal = 0;
  std::int64_t firstRank = 0;
  std::int64_t count = 0;
  // A set may make the same pass more than once (the identity form's runs of
  // four kinds, the three-kind passes of "Y^2 =" and "Y^3 ="); each candidate
  // of a later copy is the candidate this many ordinals earlier, to the bit.
  // 0 for a pass made for the first time.
  std::int64_t repeatShift = 0;
};

std::int64_t Binomial(int n, int k);

// How far the walks of a search's passes reach (regress/block_group.h), so
// that each thread's room is sized for them: the most term columns of a
// candidate; of the blocks of several variables, the most kinds of their
// pass and the most nodes of variables above their leaves (m - 1); and the
// most such nodes of the blocks that keep pairs of variables (pairDepths),
// those of three variables or more in passes of two kinds or more. (A pass
// of one two-variable kind fits no candidate: its last group, on one
// variable, lacks the second.)
struct WalkExtent {
  int termColumns = 0;
  int nodeKinds = 0;
  int nodeDepths = 0;
  int pairDepths = 0;
};
WalkExtent WalkExtentOf(const SearchShape& shape);

// The part of a segment that must be examined: all of it, or for a pass
// made again the candidates whose first copy lies before the examined range
// starts (the others could never enter the list). Its count is 0 when
// nothing is left.
Segment ExaminedPart(const Segment& segment, std::int64_t rangeFirst);

// Ordinal of the first candidate of each enabled set and its number of
// candidates; zero for a disabled set.
struct SetRange {
  std::int64_t first = 0;
  std::int64_t count = 0;
};

// The sequence of candidates of one search shape, with its layout worked out
// once: how many candidates each kind pass holds and where each set begins.
class CandidateSequence {
 public:
  explicit CandidateSequence(const SearchShape& shape);

  const SearchShape& shape() const { return shape_; }
  std::int64_t count() const { return total_; }
  std::int64_t setCount(EquationSet set) const;
  const PerEquationSet<SetRange>& setRanges() const { return ranges_; }

  // The candidate with this ordinal (1 to count()), found by jumping straight
  // to its set, pass, block and subset.
  Candidate candidateAt(std::int64_t ordinal) const;

  // The segments that cover the ordinals first to last, in order.
  std::vector<Segment> segmentsBetween(std::int64_t first, std::int64_t last) const;

 private:
  // A block that runs at this shape, with its number of candidates in a pass.
  struct RunningBlock {
    VariableBlock block;
    std::int64_t count = 0;
  };

  SearchShape shape_;
  std::array<std::vector<RunningBlock>, 5> blocks_{};  // by engine, in sequence order
  std::array<std::int64_t, 5> perPass_{};              // candidates of one pass, by engine
  PerEquationSet<SetRange> ranges_{};
  std::int64_t total_ = 0;
};

std::int64_t CountSetCandidates(const SearchShape& shape, EquationSet set);
std::int64_t CountCandidates(const SearchShape& shape);
Candidate CandidateAt(const SearchShape& shape, std::int64_t ordinal);

// The variables u1 < ... < um of the subset with this lexicographic rank.
void UnrankSubset(int n, int m, std::int64_t rank, std::uint8_t* subset);
// Steps to the next subset in lexicographic order; false after the last one.
bool NextSubset(int n, int m, std::uint8_t* subset);

Candidate BlockCandidate(const KindPass& pass, const VariableBlock& block, const std::uint8_t* subset);
Candidate RationalCandidate(EquationSet set, int variables, std::int64_t rank);

}  // namespace rv
