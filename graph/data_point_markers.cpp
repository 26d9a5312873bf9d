#include "graph/data_point_markers.h"

#include <cmath>

#include "sheet/point_count.h"

namespace rv {

std::vector<DataPointMarker> DataPointMarkers(const Surface& surface, const FitWorkspace& workspace,
                                              const DataSheet& sheet) {
  std::vector<DataPointMarker> markers;
  const GraphSelection& selection = surface.selection;
  const int points = CountPointsAndColumns(sheet.cells).pointCount;
  for (int row = 0; row < points; ++row) {
    const auto& cells = sheet.cells[static_cast<size_t>(row)];
    const double x = cells[static_cast<size_t>(selection.first)];
    const double z = surface.isCurve() ? 0.0 : cells[static_cast<size_t>(selection.second)];
    if (IsEmptyValue(x) || IsEmptyValue(z)) continue;

    VariableVector slice = surface.constants;
    slice[static_cast<size_t>(selection.first)] = x;
    if (!surface.isCurve()) slice[static_cast<size_t>(selection.second)] = z;
    const double s = GraphValue(workspace, slice);

    VariableVector own{};
    for (int v = 0; v < kSheetColumns; ++v) own[static_cast<size_t>(v)] = cells[static_cast<size_t>(v)];
    const double c = GraphValue(workspace, own);
    const double observed = cells[0];
    // S + (O − C) need not round back to O when S equals C.
    const double height = s == c ? observed : s + (observed - c);

    if (!std::isfinite(s)) continue;
    if (!(surface.ranges.valueMin < height && height < surface.ranges.valueMax)) continue;
    markers.push_back({x, z, height, s});
  }
  return markers;
}

}  // namespace rv
