#pragma once

#include <string>

#include "sheet/cell_range.h"
#include "sheet/data_sheet.h"

namespace rv {

// The name box text: the column's variable name and the row counted from 1,
// as in "X3 - 12".
std::string CellLocationText(const DataSheet& sheet, CellPosition cell);

}  // namespace rv
