#pragma once

#include "graph/display_list.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"

namespace rv {

// The lists BuildScene is made of, one per file.

// List 1: the scaling and centring that map the ranges into the view volume
// (a box 1.4 wide for a curve, a unit cube for a surface), then the curve's
// line or the surface's wire grid and solid, cut to the value range.
DisplayList SurfaceList(const Surface& surface, const GraphOptions& options);

// List 2: per data point a cross of a fixed size in pixels, and a line to
// the curve or surface, cut to the value range.
DisplayList MarkerList(const GraphModel& model, const GraphOptions& options);

// List 3: the back, bottom and right planes with their grids and surfaces
// and the three cube edges no plane outline covers; a curve has only the
// back plane, in its own plane z = 0.
DisplayList PlaneList(const Surface& surface, const GraphOptions& options);

// List 4: the axis labels, one per tick of each axis, and the titles; the
// labels' texts are made when the picture is laid out.
DisplayList LabelList(const GraphModel& model, const GraphOptions& options);

}  // namespace rv
