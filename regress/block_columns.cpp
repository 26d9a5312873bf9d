#include "regress/block_columns.h"

#include <algorithm>
#include <bit>

namespace rv {

BlockColumns::BlockColumns(const ColumnBank& bank, const KindPass& pass, const VariableBlock& block)
    : bank_(bank),
      pass_(pass),
      block_(block),
      count_((block.m - 1) * pass.engine + std::popcount(block.last) + 1),
      firstFaulted_(count_) {
  ids_[count_ - 1] = bank.constantId();
}

void BlockColumns::moveTo(const std::uint8_t* subset, int changed) {
  // The terms on the variable before the first that changed may take it as
  // their second variable.
  const int firstVariable = std::max(0, changed - 1);
  int column = firstVariable * pass_.engine;
  if (firstFaulted_ >= column) firstFaulted_ = count_;
  const int m = block_.m;
  for (int r = firstVariable; r + 1 < m; ++r)
    for (int k = 0; k < pass_.engine; ++k) set(column++, bank_.id(pass_.kinds[static_cast<size_t>(k)], subset[r], subset[r + 1]));
  for (int k = 0; k < pass_.engine; ++k)
    if (block_.last & (1u << k)) set(column++, bank_.id(pass_.kinds[static_cast<size_t>(k)], subset[m - 1], 0));
}

void BlockColumns::set(int column, int id) {
  ids_[column] = id;
  if ((id < 0 || bank_.faulted(id)) && column < firstFaulted_) firstFaulted_ = column;
}

}  // namespace rv
