#pragma once

#include <optional>

#include "sheet/cell_range.h"

namespace rv {

// The smallest rectangle holding every non-empty cell; none for an empty sheet.
std::optional<CellRange> OccupiedRange(const SheetValues& cells);

}  // namespace rv
