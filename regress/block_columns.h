#pragma once

#include <cstdint>

#include "regress/candidate.h"
#include "regress/column_bank.h"
#include "regress/enumeration.h"

namespace rv {

// The bank columns of the candidates of one block, one candidate after the
// other. Column j of a candidate: the terms on u1, ..., u(m-1) (every kind
// of the pass, in order), then those of the last group on um, then the
// constant. Neighbouring candidates mostly differ in their last variables
// only, so each keeps the columns of the terms before the first variable
// that changed.
class BlockColumns {
 public:
  BlockColumns(const ColumnBank& bank, const KindPass& pass, const VariableBlock& block);

  // Moves to the candidate of these variables, which equal those of the
  // candidate before up to position `changed` (0 for a first candidate).
  void moveTo(const std::uint8_t* subset, int changed);

  int count() const { return count_; }
  const int* ids() const { return ids_; }
  // False when some column fails its guard at some point.
  bool usable() const { return firstFaulted_ == count_; }

 private:
  void set(int column, int id);

  const ColumnBank& bank_;
  const KindPass& pass_;
  const VariableBlock& block_;
  int count_;
  int ids_[kMaxCandidateColumns];
  int firstFaulted_;  // the first column that fails its guard, count_ when none does
};

}  // namespace rv
