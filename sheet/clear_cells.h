#pragma once

#include "sheet/cell_range.h"

namespace rv {

// Empties every cell of the range; the part of a range beyond the sheet is
// left out.
void ClearCells(SheetValues& cells, const CellRange& range);

}  // namespace rv
