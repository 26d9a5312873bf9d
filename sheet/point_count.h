#pragma once

#include "sheet/data_sheet.h"

namespace rv {

struct PointsAndColumns {
  int pointCount = 0;   // N: leading rows whose Y is not empty
  int columnCount = 0;  // K: the search uses X1 to X(K-1)
};

// N counts rows from the top until the first empty Y. K starts at 16 and drops
// to the first column that is empty in any counted row, so X16 never takes part.
PointsAndColumns CountPointsAndColumns(const SheetValues& cells);

}  // namespace rv
