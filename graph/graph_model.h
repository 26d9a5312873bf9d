#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graph/axis_labels.h"
#include "graph/curve_bands.h"
#include "graph/data_point_markers.h"
#include "graph/graph_selection.h"
#include "graph/surface.h"
#include "regress/fit_workspace.h"
#include "sheet/data_sheet.h"

namespace rv {

// Every number one picture of the graph is drawn from.
struct GraphModel {
  Surface surface;
  std::vector<DataPointMarker> markers;
  CurveBands bands;
  std::string xTitle;
  std::string yTitle;
  std::string zTitle;
};

// The surface of the workspace's current equation over the selected
// variables with its ticks, its data-point markers and the axis titles. The
// sheet's graph values are taken as they are: apply Auto Update before.
Outcome<GraphModel> BuildGraphModel(const FitWorkspace& workspace, const DataSheet& sheet,
                                    const GraphSelection& selection, const std::array<std::int32_t, 3>& segments,
                                    const YRange& yRange = {});

}  // namespace rv
