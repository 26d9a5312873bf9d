#pragma once

#include <string_view>
#include <vector>

#include "sheet/data_sheet.h"

namespace rv {

enum class ScaleOperation { Add, Subtract, Multiply, Divide };

// One column's values, one per stored row of the sheet.
using ColumnValues = std::vector<double>;

// The factor typed into the Scale Variable box: its leading number. Zero, and
// a text that reads as infinite or not-a-number, mean there is nothing to do.
double ReadScaleFactor(std::string_view text);

// Applies the operation with the factor to every non-empty cell of the
// column. A factor of zero (or one that is not finite) changes nothing and
// returns false. A result beyond the double range empties its cell, as a
// typed infinite value does.
bool ScaleColumn(SheetValues& cells, int column, ScaleOperation operation, double factor);

ColumnValues SaveColumn(const SheetValues& cells, int column);
// Puts saved values back, growing the sheet to hold them all; rows past them
// keep their values.
void RestoreColumn(SheetValues& cells, int column, const ColumnValues& values);

}  // namespace rv
