#include "graph/surface.h"

#include <algorithm>

#include "sheet/graph_range.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

// The message that refuses a picture over this variable's graph range, or
// empty when the range can be graphed. It names the variable as the user
// named it. While Auto Update is on, the range comes from the data at every
// Draw, so typing a Minimum and Maximum alone would not help.
std::string RangeProblem(const DataSheet& sheet, int variable) {
  const double low = sheet.graphMinimum[static_cast<size_t>(variable)];
  const double high = sheet.graphMaximum[static_cast<size_t>(variable)];
  const char* problem = nullptr;
  if (!(low < high)) problem = "empty";
  else if (!std::isfinite(high - low)) problem = "too wide";
  if (problem == nullptr) return {};
  const std::string& named = sheet.names[static_cast<size_t>(variable)];
  const std::string name = named.empty() ? DefaultColumnName(variable) : named;
  if (sheet.autoUpdate)
    return FormatText(
        "The graph range of %s is %s.\nAuto Update takes it from the data at every Draw:\n"
        "under View, Variables, turn Auto Update off,\nthen set its Minimum and Maximum.",
        name.c_str(), problem);
  return FormatText("The graph range of %s is %s.\nSet its Minimum and Maximum under View, Variables.", name.c_str(),
                    problem);
}

void EvaluateCurve(const FitWorkspace& workspace, Surface& surface) {
  const GraphRanges& r = surface.ranges;
  const double dx = r.xRange() * 0.05;
  VariableVector vector = surface.constants;
  double x = r.xMin;
  for (int k = 0; k < kGridPoints; ++k) {
    vector[static_cast<size_t>(surface.selection.first)] = x;
    const EquationPoint point = GraphPoint(workspace, vector);
    surface.grid[static_cast<size_t>(k)][0] = {x, point.value, 0.0, point.poleSide};
    x = x + dx;
  }
}

void EvaluateSurface(const FitWorkspace& workspace, Surface& surface) {
  const GraphRanges& r = surface.ranges;
  const double dx = r.xRange() * 0.05;
  const double dz = r.zRange() * 0.05;
  VariableVector vector = surface.constants;
  double z = r.zMin;
  for (auto& row : surface.grid) {
    vector[static_cast<size_t>(surface.selection.second)] = z;
    double x = r.xMin;
    for (SurfacePoint& point : row) {
      vector[static_cast<size_t>(surface.selection.first)] = x;
      const EquationPoint value = GraphPoint(workspace, vector);
      point = {x, value.value, z, value.poleSide};
      x = x + dx;
    }
    z = z + dz;
  }
}

// The value range over the points that have a value. When all values are
// equal there is no width to round outward, so the range is widened first,
// by 1 around 0 and by a tenth of the value otherwise; the shading extremes
// are widened the same way.
bool FindValueRange(Surface& surface) {
  bool any = false;
  double lowest = 0.0;
  double highest = 0.0;
  for (int row = 0; row < kGridPoints; ++row)
    for (int column = 0; column < (surface.isCurve() ? 1 : kGridPoints); ++column) {
      const SurfacePoint& point = surface.grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
      if (!point.hasValue()) continue;
      lowest = any ? std::min(lowest, point.value) : point.value;
      highest = any ? std::max(highest, point.value) : point.value;
      any = true;
    }
  if (!any) return false;
  GraphRanges& r = surface.ranges;
  if (lowest == highest) {
    const double widening = lowest == 0.0 ? 1.0 : std::fabs(lowest) / 10.0;
    lowest = lowest - widening;
    highest = highest + widening;
  }
  r.shadeMin = lowest;
  r.shadeMax = highest;
  const ValueRange rounded = NiceRange(lowest, highest);
  r.valueMin = rounded.low;
  r.valueMax = rounded.high;
  return true;
}

// Why there is no picture: a notice, not an error.
Message Refusal(std::string text) { return {std::move(text), MessageKind::Information}; }

int ClampSegments(std::int32_t count) { return std::clamp<int>(count, kMinSegments, kMaxSegments); }

}  // namespace

Outcome<Surface> BuildSurface(const FitWorkspace& workspace, const DataSheet& sheet, const GraphSelection& selection,
                              const std::array<std::int32_t, 3>& segments) {
  Surface surface;
  surface.selection = selection;
  for (const int variable : {selection.first, selection.second}) {
    std::string problem = RangeProblem(sheet, variable);
    if (!problem.empty()) return Refusal(std::move(problem));
  }

  GraphRanges& r = surface.ranges;
  r.xMin = sheet.graphMinimum[static_cast<size_t>(selection.first)];
  r.xMax = sheet.graphMaximum[static_cast<size_t>(selection.first)];
  r.zMin = sheet.graphMinimum[static_cast<size_t>(selection.second)];
  r.zMax = sheet.graphMaximum[static_cast<size_t>(selection.second)];
  for (int v = 0; v < kSheetColumns; ++v)
    surface.constants[static_cast<size_t>(v)] = sheet.graphConstant[static_cast<size_t>(v)];

  if (surface.isCurve()) EvaluateCurve(workspace, surface);
  else EvaluateSurface(workspace, surface);

  if (!FindValueRange(surface)) return Refusal("The equation has no value\nover the graph range.");
  if (!(r.valueMin < r.valueMax) || !std::isfinite(r.valueRange()))
    return Refusal("The values of the equation over\nthe graph range cannot be graphed.");

  // A curve lies in the plane z = 0 in the middle of a box whose depth is
  // symmetric about it.
  if (surface.isCurve()) {
    const double m = std::max({r.xRange() * 0.5, r.valueMax, -r.valueMin});
    r.zMin = -m;
    r.zMax = m;
  }

  SegmentSteps& steps = surface.steps;
  steps.xSegments = ClampSegments(segments[0]);
  steps.ySegments = ClampSegments(segments[1]);
  steps.zSegments = ClampSegments(segments[2]);
  steps.x = r.xRange() / steps.xSegments;
  steps.value = r.valueRange() / steps.ySegments;
  steps.z = r.zRange() / steps.zSegments;
  return surface;
}

}  // namespace rv
