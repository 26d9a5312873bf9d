#pragma once

#include <string>
#include <vector>

#include "graph/display_list.h"
#include "graph/graph_options.h"
#include "graph/surface.h"
#include "regress/fit_workspace.h"
#include "sheet/band_options.h"
#include "stats/confidence_band.h"

namespace rv {

// The confidence and prediction bands of a curve at its points: points[k]
// goes with the curve's point k (grid[k][0]). Empty for a surface and when
// the bands are hidden.
struct CurveBands {
  std::vector<PointBands> points;
  std::string heading;  // BandHeading

  bool shown() const { return !points.empty(); }
};

// The bands of the workspace's equation along the curve, at the level the
// options set; empty unless the surface is a curve and the bands are shown.
CurveBands BuildCurveBands(const FitWorkspace& workspace, const Surface& surface, const BandOptions& options);

// Adds the four lines of the bands, each band's two in its colour, to the
// curve's list, so that they share its scaling and are cut to its value
// range. A band whose colour is none is left out.
void AddBandLines(DisplayList& list, const CurveBands& bands, const Surface& surface, const GraphOptions& options);

}  // namespace rv
