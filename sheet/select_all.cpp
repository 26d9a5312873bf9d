#include "sheet/select_all.h"

namespace rv {

std::optional<CellRange> OccupiedRange(const SheetValues& cells) {
  std::optional<CellRange> range;
  for (int row = 0; row < cells.rowCount(); ++row)
    for (int column = 0; column < kSheetColumns; ++column) {
      if (IsEmptyValue(cells[row][column])) continue;
      if (!range) {
        range = CellRange::Single({row, column});
        continue;
      }
      range->top = std::min(range->top, row);
      range->left = std::min(range->left, column);
      range->bottom = std::max(range->bottom, row);
      range->right = std::max(range->right, column);
    }
  return range;
}

}  // namespace rv
