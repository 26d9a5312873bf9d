#include "graph/surface.h"

#include <algorithm>
#include <vector>

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

// Whether a neighbour of the grid point, along its row or its column, lies
// on the other side of a pole.
bool NextToPole(const Surface& surface, int row, int column) {
  const int columns = surface.isCurve() ? 1 : kGridPoints;
  const SurfacePoint& point = surface.grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
  const int neighbours[4][2] = {{row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
  for (const auto& [r, c] : neighbours) {
    if (r < 0 || r >= kGridPoints || c < 0 || c >= columns) continue;
    const SurfacePoint& other = surface.grid[static_cast<size_t>(r)][static_cast<size_t>(c)];
    if (other.hasValue() && other.poleSide != point.poleSide) return true;
  }
  return false;
}

// The values that set an automatic range: all but those next to a pole
// that lie beyond the quartiles of the others by three times the distance
// between the quartiles.
std::vector<double> RangeValues(const Surface& surface) {
  std::vector<double> far;
  std::vector<double> near;
  for (int row = 0; row < kGridPoints; ++row)
    for (int column = 0; column < (surface.isCurve() ? 1 : kGridPoints); ++column) {
      const SurfacePoint& point = surface.grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
      if (point.hasValue()) (NextToPole(surface, row, column) ? near : far).push_back(point.value);
    }
  if (far.size() >= 4 && !near.empty()) {
    std::vector<double> sorted = far;
    std::sort(sorted.begin(), sorted.end());
    const double q1 = sorted[(sorted.size() - 1) / 4];
    const double q3 = sorted[3 * (sorted.size() - 1) / 4];
    const double reach = 3.0 * (q3 - q1);
    std::erase_if(near, [&](double v) { return v < q1 - reach || v > q3 + reach; });
  }
  far.insert(far.end(), near.begin(), near.end());
  return far;
}

// The value range: the typed one, or that of the values (RangeValues)
// rounded outward. When all values are equal there is no width to round
// outward, so the range is widened first, by 1 around 0 and by a tenth of
// the value otherwise; the shading extremes are widened the same way.
bool FindValueRange(Surface& surface, const YRange& yRange) {
  const std::vector<double> values = RangeValues(surface);
  if (values.empty()) return false;
  GraphRanges& r = surface.ranges;
  if (!yRange.automatic) {
    r.valueMin = r.shadeMin = yRange.min;
    r.valueMax = r.shadeMax = yRange.max;
    return true;
  }
  double lowest = *std::min_element(values.begin(), values.end());
  double highest = *std::max_element(values.begin(), values.end());
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
                              const std::array<std::int32_t, 3>& segments, const YRange& yRange) {
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

  if (!FindValueRange(surface, yRange)) return Refusal("The equation has no value\nover the graph range.");
  if (!(r.valueMin < r.valueMax) || !std::isfinite(r.valueRange()))
    return Refusal("The values of the equation over\nthe graph range cannot be graphed.");

  // A curve lies in the plane z = 0 in the middle of a box whose depth is
  // symmetric about it.
  if (surface.isCurve()) {
    const double m = std::max({r.xRange() * 0.5, r.valueMax, -r.valueMin});
    r.zMin = -m;
    r.zMax = m;
  }

  SurfaceTicks& ticks = surface.ticks;
  ticks.x = AxisTicksWithin(r.xMin, r.xMax, ClampSegments(segments[0]));
  ticks.value = AxisTicksWithin(r.valueMin, r.valueMax, ClampSegments(segments[1]));
  ticks.z = AxisTicksWithin(r.zMin, r.zMax, ClampSegments(segments[2]));
  return surface;
}

}  // namespace rv
