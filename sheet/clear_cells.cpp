#include "sheet/clear_cells.h"

#include <algorithm>

namespace rv {

void ClearCells(SheetValues& cells, const CellRange& range) {
  const int top = std::max(range.top, 0);
  const int left = std::max(range.left, 0);
  const int bottom = std::min(range.bottom, cells.rowCount() - 1);
  const int right = std::min(range.right, kSheetColumns - 1);
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column) cells[row][column] = EmptyValue;
}

}  // namespace rv
