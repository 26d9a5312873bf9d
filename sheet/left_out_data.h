#pragma once

#include <string>
#include <vector>

#include "sheet/data_sheet.h"

namespace rv {

// A search uses the rows before the first empty Y and the variables before
// the first one with an empty cell among those rows, never X16. What the
// sheet holds beyond them takes no part; these sentences say what and why,
// each variable with its own reason ("Rows 7 to 13 take no part: Y is empty
// in row 7"; "X3 takes no part: it is empty in row 6"; "X4 and X5 take no
// part: they come after X3, which is empty in row 6"), for a user who may
// not expect it. X16 is not named where it holds the uncertainties of Y
// (sigmaInX16): there it takes part in every fit, as the weights.
std::vector<std::string> DescribeLeftOutData(const SheetValues& cells, bool sigmaInX16 = false);

// Why a search would have no X variable to fit and what to change, when
// the points are there but X1 is not; empty when X1 takes part.
std::string DescribeNoUsableX(const SheetValues& cells);

// The sentence about rows alone, when rows at or below the first empty Y
// hold data; empty otherwise.
std::string DescribeLeftOutRows(const SheetValues& cells);

// True when rows below the row of the first empty Y hold data: points after
// a gap, not a point still being typed in.
bool DataFollowsAGap(const SheetValues& cells);

}  // namespace rv
