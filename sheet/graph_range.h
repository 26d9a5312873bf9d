#pragma once

#include "sheet/data_sheet.h"

namespace rv {

struct ValueRange {
  double low = 0.0;
  double high = 0.0;
};

// Widens a range outward to whole multiples of a unit of about a tenth of its
// size: 3.2 to 47.9 becomes 0 to 50. A range of no width, or one too wide to
// measure, is returned as it is: there is no size to take a unit from.
ValueRange NiceRange(double low, double high);

struct GraphRange {
  double minimum = EmptyValue;
  double maximum = EmptyValue;
  double constant = EmptyValue;
};

// The Auto Update rule for one column: the nice range of its values and their
// mean; all three empty when the column holds no value.
GraphRange ComputeGraphRange(const SheetValues& cells, int column);

// Stores ComputeGraphRange as the column's graph minimum, maximum and constant.
void UpdateGraphRange(DataSheet& sheet, int column);

}  // namespace rv
