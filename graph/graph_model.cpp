#include "graph/graph_model.h"

namespace rv {

Outcome<GraphModel> BuildGraphModel(const FitWorkspace& workspace, const DataSheet& sheet,
                                    const GraphSelection& selection, const std::array<std::int32_t, 3>& segments,
                                    const YRange& yRange) {
  Outcome<Surface> surface = BuildSurface(workspace, sheet, selection, segments, yRange);
  if (!surface) return surface.message();
  GraphModel model;
  model.surface = std::move(surface).value();
  model.markers = DataPointMarkers(model.surface, workspace, sheet);
  model.xTitle = AxisTitle(sheet, selection, GraphAxis::X);
  model.yTitle = AxisTitle(sheet, selection, GraphAxis::Y);
  model.zTitle = AxisTitle(sheet, selection, GraphAxis::Z);
  return model;
}

}  // namespace rv
