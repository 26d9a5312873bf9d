#pragma once

#include <string>

#include "graph/curve_bands.h"
#include "graph/surface.h"
#include "sheet/data_sheet.h"

namespace rv {

// The text Copy Data Points puts on the clipboard, CR LF line ends. For a
// curve: "X<n>\tY", then x and value of its 21 points, a tab between. For a
// surface: the two variables' names, then a line of the 21 Z values of the
// grid rows, then per grid column its X value and the column's 21 values,
// each field followed by a tab. Every number is the shortest text that
// reads back as the same double (RoundTripText). A point without a value
// leaves its field empty, as an empty cell of the data sheet would be.
// A curve with bands adds the columns "Conf Low", "Conf High", "Pred Low"
// and "Pred High" after Y, an end without a value empty.
std::string GraphDataPointsText(const Surface& surface, const DataSheet& sheet, const CurveBands& bands = {});

}  // namespace rv
