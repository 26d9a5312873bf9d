#pragma once

#include <cstdint>

#include "regress/candidate.h"
#include "regress/column_bank.h"
#include "regress/enumeration.h"

namespace rv {

// Columns of a candidate of the block: every kind of the pass on all but the
// last variable, the last group's kinds on the last, and the constant.
inline int BlockColumnCount(const KindPass& pass, const VariableBlock& block) {
  int last = 0;
  for (int k = 0; k < pass.engine; ++k) last += (block.last >> k) & 1u;
  return (block.m - 1) * pass.engine + last + 1;
}

// The bank columns of the candidates of one block, one candidate after the
// other, for a block whose last group holds no two-variable kind (every
// candidate of any other faults). Column j of a candidate: the terms on u1,
// ..., u(m-1) (every kind of the pass, in order), then those of the last
// group on um, then the constant. Neighbouring candidates mostly differ in
// their last variables only, so each keeps the columns that do not depend on
// the variables that changed.
class BlockColumns {
 public:
  BlockColumns(const ColumnBank& bank, const KindPass& pass, const VariableBlock& block);

  // Moves to the candidate of these variables, which equal those of the
  // candidate before up to position `changed` (0 for a first candidate).
  void moveTo(const std::uint8_t* subset, int changed) {
    const int engine = pass_.engine;
    const int m = block_.m;
    // On the variable before the first that changed, the two-variable kinds
    // take that one as their second variable.
    if (changed > 0)
      for (int k = 0; k < engine; ++k)
        if (UsesSecondVariable(kind(k)))
          set((changed - 1) * engine + k, bank_.id(kind(k), subset[changed - 1], subset[changed]));
    int column = changed * engine;
    for (int r = changed; r + 1 < m; ++r)
      for (int k = 0; k < engine; ++k) set(column++, bank_.id(kind(k), subset[r], subset[r + 1]));
    for (int k = 0; k < engine; ++k)
      if (block_.last & (1u << k)) set(column++, bank_.id(kind(k), subset[m - 1], 0));
  }

  int count() const { return count_; }
  // Room for the most columns a candidate has; those past count() are 0.
  const int* ids() const { return ids_; }
  // False when some column fails its guard at some point.
  bool usable() const { return faultedColumns_ == 0; }

 private:
  int kind(int k) const { return pass_.kinds[static_cast<size_t>(k)]; }
  // Without a branch on the guard: which columns fault follows the data, so
  // a branch would often be guessed wrong.
  void set(int column, int id) {
    const std::uint8_t faulted = bank_.faulted(id);
    faultedColumns_ += faulted - faulted_[column];
    faulted_[column] = faulted;
    ids_[column] = id;
  }

  const ColumnBank& bank_;
  const KindPass& pass_;
  const VariableBlock& block_;
  int count_;
  int ids_[kMaxCandidateColumns] = {};
  std::uint8_t faulted_[kMaxCandidateColumns] = {};  // 1 where the column fails its guard
  int faultedColumns_ = 0;
};

}  // namespace rv
