#include "regress/block_columns.h"

namespace rv {

BlockColumns::BlockColumns(const ColumnBank& bank, const KindPass& pass, const VariableBlock& block)
    : bank_(bank), pass_(pass), block_(block), count_(BlockColumnCount(pass, block)) {
  ids_[count_ - 1] = bank.constantId();
}

}  // namespace rv
