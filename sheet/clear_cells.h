#pragma once

#include "sheet/cell_range.h"

namespace rv {

// Empties every cell of the range; the part of a range beyond the stored
// rows, or the columns, is left out: it is empty already. The sheet keeps
// its rows.
void ClearCells(SheetValues& cells, const CellRange& range);

}  // namespace rv
