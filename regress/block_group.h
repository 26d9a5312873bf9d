#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "regress/candidate.h"
#include "regress/column_bank.h"
#include "regress/entry_test.h"
#include "regress/enumeration.h"
#include "regress/refusal_count.h"
#include "regress/set_scoring.h"
#include "regress/vector_width.h"

namespace rv {

// The blocks of one kind pass with the same number of variables m, next to
// one another in the sequence: their candidates share every column on their
// first m - 1 variables and differ only in the last group's kinds on the
// last. Each segment is (part of) one block; the blocks differ in their last
// groups.
struct BlockGroup {
  const SetScoring* scoring = nullptr;
  KindPass pass;
  int m = 1;
  std::vector<Segment> segments;  // in ordinal order
  bool countsRefusals = true;     // false for a pass made again: its refusals were counted at its first copy
};

// A candidate that passed its entry test: its ordinal and score.
struct GroupCandidacy {
  std::int64_t ordinal = 0;
  EntryScore score;
  int coefficients = 0;
};

// Room for the orthonormal columns, residuals and followers of one thread's
// walk, made once per thread and search for the bank's stride.
class PrefixScratch {
 public:
  explicit PrefixScratch(int stride);

  int stride() const { return stride_; }
  double* q(int level) { return at(q_, level); }
  double* residual(int level) { return at(residual_, level); }
  // The state of tail column `column` at trie depth `depth`.
  double* follower(int depth, int column) { return at(followers_, depth * kTailColumns + column); }
  double* squares() { return squares_.data(); }

  // Levels 0 .. validLevels - 1 hold the factors of levelId[0 .. validLevels - 1]
  // for the set `set`.
  static constexpr int kTailColumns = 8;  // the columns of the last variable a block group's candidates end with
  int levelId[kMaxCandidateColumns] = {};
  bool levelResolved[kMaxCandidateColumns] = {};
  int validLevels = 0;
  EquationSet set = EquationSet::Y;

 private:
  double* at(std::vector<double>& values, int index) {
    return values.data() + static_cast<size_t>(index) * static_cast<size_t>(stride_);
  }

  int stride_;
  std::vector<double> q_;
  std::vector<double> residual_;
  std::vector<double> followers_;
  std::vector<double> squares_;
};

// What a walk needs besides its group: the bank, the test a candidate of k
// coefficients must pass (asked afresh per candidate, cheap when nothing
// changed), and where its candidacies go.
struct GroupWalkContext {
  const ColumnBank* bank = nullptr;
  int variables = 0;
  std::function<const EntryTest&(int coefficients)> test;
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
