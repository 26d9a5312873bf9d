#pragma once

#include <vector>

#include "graph/surface.h"
#include "regress/fit_workspace.h"
#include "sheet/data_sheet.h"

namespace rv {

// Where an observed data point is marked: at (x, height, z), with a line
// down (or up) to the curve or surface at (x, surfaceValue, z).
struct DataPointMarker {
  double x = 0.0;
  double z = 0.0;
  double height = 0.0;
  double surfaceValue = 0.0;
};

// One marker per data row (the leading rows with a Y) whose marker height
// lies strictly inside the value range. The graph shows the equation on a
// slice through the graph constants, so the observed point is moved onto
// that slice: height = S + (O − C), with S the equation at the constants and
// the row's graphed values, C the equation at the row's own values and O
// the observed Y. When the equation uses only the graphed variables S equals
// C and the height is O itself. A row with an empty graphed value, or whose
// S or height is not a finite number, has no marker.
std::vector<DataPointMarker> DataPointMarkers(const Surface& surface, const FitWorkspace& workspace,
                                              const DataSheet& sheet);

}  // namespace rv
