#include "graph/graph_model.h"

namespace rv {

GraphModelOutcome BuildGraphModel(const FitWorkspace& workspace, const DataSheet& sheet,
                                  const GraphSelection& selection, const std::array<std::int32_t, 3>& segments) {
  GraphModelOutcome outcome;
  SurfaceOutcome surface = BuildSurface(workspace, sheet, selection, segments);
  if (!surface.ok()) {
    outcome.message = std::move(surface.message);
    return outcome;
  }
  GraphModel& model = outcome.model;
  model.surface = surface.surface;
  model.markers = DataPointMarkers(model.surface, workspace, sheet);
  model.xLabels = AxisLabels(model.surface, GraphAxis::X);
  model.yLabels = AxisLabels(model.surface, GraphAxis::Y);
  model.zLabels = AxisLabels(model.surface, GraphAxis::Z);
  model.xTitle = AxisTitle(sheet, selection, GraphAxis::X);
  model.yTitle = AxisTitle(sheet, selection, GraphAxis::Y);
  model.zTitle = AxisTitle(sheet, selection, GraphAxis::Z);
  return outcome;
}

}  // namespace rv
