#pragma once

#include <cstdint>
#include <vector>

#include "regress/candidate.h"
#include "regress/column_bank.h"
#include "regress/entry_test.h"
#include "regress/enumeration.h"
#include "regress/refusal_count.h"
#include "regress/set_scoring.h"
#include "regress/vector_width.h"

namespace rv {

// The blocks of one kind pass, next to one another in the sequence: the
// candidates of the blocks of m variables share every column on their first
// m - 1 variables and differ only in the last group's kinds on the last, and
// those columns are the first columns of the candidates of more variables
// that start with the same variables. Each segment is (part of) one block;
// the blocks differ in their number of variables or their last groups. Or
// the blocks of one variable of passes that differ in their last kind only,
// which share the columns of the kinds before it.
struct BlockGroup {
  const SetScoring* scoring = nullptr;
  KindPass pass;                  // the first segment's
  std::vector<Segment> segments;  // in ordinal order
  bool countsRefusals = true;     // false for a pass made again: its refusals were counted at its first copy
};

// A candidate that passed its entry test: its ordinal and score.
struct GroupCandidacy {
  std::int64_t ordinal = 0;
  EntryScore score;
  int coefficients = 0;
};

// A column on its way to orthogonality: its values after the projections
// on levels 0 .. levels - 1 were taken away (the bank's own values before
// the first), their squared length, and their sum with Y's residual after
// level levels - 1. No values: the column fails a guard or does not vary.
struct ColumnState {
  const double* values = nullptr;
  double squaredLength = 0.0;
  double withResidual = 0.0;
  int id = -1;
  int levels = 0;
};

// Room for one thread's walk, made once per thread and search for the
// bank's points: the orthogonal columns and residuals of the levels, the
// columns that may follow each node of variables and its pairs of variables
// (kept as far down the tree as memory allows) and the states of the last
// groups' columns.
class PrefixScratch {
 public:
  // Kinds of a pass times variables: the columns that may follow a node.
  static constexpr int kFollowers = 4 * 16;
  // Nodes of variables below which followers are kept: the most variables
  // a block has, less its last.
  static constexpr int kNodeDepths = 11;
  static constexpr int kTrieDepths = 5;
  static constexpr int kTrieStates = 4 + 3 + 2 + 1;

  // keepsHats: room for the hat values, which only a search that ranks by
  // predicted R squared works out. The levels, followers and nodes are those
  // the search's walks reach (extent).
  PrefixScratch(int points, bool keepsHats, const WalkExtent& extent);

  int stride() const { return stride_; }
  // A level's own room, for a column worked out there rather than kept.
  double* levelColumn(int level) { return at(levelColumns_, level); }
  double* residual(int level) { return at(residuals_, level); }
  // Each point's hat value after the level's column (regress/leave_one_out.h),
  // kept only by a search that ranks by predicted R squared.
  double* hat(int level) { return at(hats_, level); }
  double* follower(int depth, int slot) { return at(followers_, depth * followerSlots_ + slot); }
  // The later kinds of a trie node at `depth` are at least `depth`
  // (regress/block_group.cpp), so their rooms are packed: 4 + 3 + 2 + 1.
  double* trieState(int depth, int kind) { return at(trieStates_, 4 * depth - depth * (depth - 1) / 2 + kind - depth); }
  // A candidate's squared differences, each point's, while they are summed.
  double* squares() { return squares_.data(); }
  // Nodes deeper than this keep no followers of their own: theirs are worked
  // out from the deepest node that keeps them.
  int keptNodeDepths() const { return keptNodeDepths_; }
  // The pairs of variables w < v a node keeps for each two-variable kind of
  // its pass, kind by kind (counted from the pass's first two-variable
  // kind), the pairs in lexicographic order: the first columns of later
  // nodes and the leaves' tails. A walk that needs deeper nodes than this
  // takes them from the bank.
  static constexpr int kPairKinds = 2;
  static constexpr int kPairsOfVariables = kMaxSearchVariables * (kMaxSearchVariables - 1) / 2;
  static constexpr int kPairSlots = kPairKinds * kPairsOfVariables;
  double* pairFollower(int depth, int slot) { return at(pairFollowers_, depth * kPairSlots + slot); }
  ColumnState& pairState(int depth, int slot) {
    return pairStates_[static_cast<size_t>(depth) * kPairSlots + static_cast<size_t>(slot)];
  }
  int keptPairDepths() const { return keptPairDepths_; }

  // The levels' orthogonal columns (each in a level's room, a follower, a
  // trie state or the bank), 1 / their squared lengths, Y's projections on
  // them, and the bank's column each started from.
  const double* column[kMaxCandidateColumns] = {};
  double inverseSquare[kMaxCandidateColumns] = {};
  double projection[kMaxCandidateColumns] = {};
  int columnId[kMaxCandidateColumns] = {};
  // The followers of each node that keeps them, by kind * 16 + variable.
  ColumnState followers[kNodeDepths][kFollowers];

 private:
  double* at(std::vector<double>& values, int index) const {
    return values.data() + static_cast<size_t>(index) * static_cast<size_t>(stride_);
  }

  int stride_;
  int followerSlots_;  // kind * 16 + variable for the kinds of the widest pass with nodes
  int keptNodeDepths_;
  int keptPairDepths_;
  std::vector<double> levelColumns_;
  std::vector<double> residuals_;
  std::vector<double> hats_;
  std::vector<double> followers_;
  std::vector<double> pairFollowers_;
  std::vector<ColumnState> pairStates_;
  std::vector<double> trieStates_;
  std::vector<double> squares_;
};

// What a walk needs besides its group: the bank and the tests a candidate
// must pass to be offered, and whether they test its leave-one-out sum.
struct GroupWalkContext {
  const ColumnBank* bank = nullptr;
  int variables = 0;
  EntryTests* tests = nullptr;
  bool leaveOneOut = false;
};

// Examines every candidate of the group: classifies the refused ones into
// `count` and appends, in ordinal order, those that pass their entry test.
// The factors of a candidate are those of the plain fit to the bit: each
// column's orthogonalisation takes the steps of FactoriseColumns in the same
// order, only done once for the columns candidates share.
void ExamineBlockGroup(const BlockGroup& group, const GroupWalkContext& context, VectorWidth width,
                       PrefixScratch& scratch, RefusalCount& count, std::vector<GroupCandidacy>& candidacies);

// True when every candidate of the block holds some column twice (a kind the
// pass holds twice, on one variable), which the rank test always refuses.
bool RepeatsAColumn(const KindPass& pass, const VariableBlock& block);

}  // namespace rv
