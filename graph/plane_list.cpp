#include <vector>

#include "graph/graph_color.h"
#include "graph/scene_lists.h"

namespace rv {

namespace {

// A plane's surface lies this share of the range across it outside the
// plane when the plane's grid is drawn too, so the grid stays visible.
constexpr double kSurfaceShift = 0.0025;

// One coordinate of a plane: its range and its ticks, at whose steps
// inside the range the grid lines stand.
struct PlaneAxis {
  double low = 0.0;
  double high = 0.0;
  const AxisTicks& ticks;

  std::vector<double> gridLines() const {
    std::vector<double> at;
    const double margin = ticks.step * 1e-9;
    for (const long long multiple : ticks.multiples)
      if (ticks.onStep(multiple)) {
        const double value = ticks.value(multiple);
        if (value > low + margin && value < high - margin) at.push_back(value);
      }
    return at;
  }
};

enum class LinesFirst { AtA, AtB };

// A plane spanned by coordinates a and b; at(a, b, shift, index) places a
// vertex on it, moved outward by shift across it. The outline goes round
// (a low, b low), (a high, b low), (a high, b high), (a low, b high); the
// grid lines at the inner steps of a run across b, those of b across a.
template <typename At>
void AddPlane(DisplayList& list, const PlaneAxis& a, const PlaneAxis& b, LinesFirst order, double shift,
              std::int32_t gridColor, std::int32_t surfaceColor, At at) {
  const auto grid = GraphColorIndex(gridColor);
  if (grid) {
    list.commands.emplace_back(Primitive{PrimitiveKind::LineLoop,
                                         {at(a.low, b.low, 0.0, *grid), at(a.high, b.low, 0.0, *grid),
                                          at(a.high, b.high, 0.0, *grid), at(a.low, b.high, 0.0, *grid)}});
    Primitive lines{PrimitiveKind::Lines, {}};
    auto linesAtA = [&] {
      for (const double u : a.gridLines()) {
        lines.vertices.push_back(at(u, b.low, 0.0, *grid));
        lines.vertices.push_back(at(u, b.high, 0.0, *grid));
      }
    };
    auto linesAtB = [&] {
      for (const double w : b.gridLines()) {
        lines.vertices.push_back(at(a.low, w, 0.0, *grid));
        lines.vertices.push_back(at(a.high, w, 0.0, *grid));
      }
    };
    if (order == LinesFirst::AtA) {
      linesAtA();
      linesAtB();
    } else {
      linesAtB();
      linesAtA();
    }
    if (!lines.vertices.empty()) list.commands.emplace_back(std::move(lines));
  }
  if (const auto fill = GraphColorIndex(surfaceColor)) {
    const double s = grid ? shift : 0.0;
    list.commands.emplace_back(Primitive{PrimitiveKind::Quads,
                                         {at(a.low, b.low, s, *fill), at(a.high, b.low, s, *fill),
                                          at(a.high, b.high, s, *fill), at(a.low, b.high, s, *fill)}});
  }
}

}  // namespace

DisplayList PlaneList(const Surface& surface, const GraphOptions& options) {
  DisplayList list;
  const GraphRanges& r = surface.ranges;
  const PlaneAxis x{r.xMin, r.xMax, surface.ticks.x};
  const PlaneAxis value{r.valueMin, r.valueMax, surface.ticks.value};
  const PlaneAxis z{r.zMin, r.zMax, surface.ticks.z};

  // The back plane stands behind the box, or in the curve's own plane.
  const double backZ = surface.isCurve() ? 0.0 : r.zMin;
  AddPlane(list, x, value, LinesFirst::AtB, r.zRange() * kSurfaceShift, options.color(kBackPlaneGrid),
           options.color(kBackPlaneSurface), [&](double u, double v, double shift, std::uint8_t i) {
             return Vertex{u, v, backZ - shift, i};
           });
  if (surface.isCurve()) return list;

  AddPlane(list, x, z, LinesFirst::AtA, r.valueRange() * kSurfaceShift, options.color(kBottomPlaneGrid),
           options.color(kBottomPlaneSurface), [&](double u, double w, double shift, std::uint8_t i) {
             return Vertex{u, r.valueMin - shift, w, i};
           });
  AddPlane(list, value, z, LinesFirst::AtA, r.xRange() * kSurfaceShift, options.color(kRightPlaneGrid),
           options.color(kRightPlaneSurface), [&](double v, double w, double shift, std::uint8_t i) {
             return Vertex{r.xMax + shift, v, w, i};
           });

  if (const auto edge = GraphColorIndex(options.color(kCubeEdges))) {
    const std::uint8_t e = *edge;
    list.commands.emplace_back(Primitive{PrimitiveKind::Lines,
                                         {{r.xMin, r.valueMax, r.zMin, e},
                                          {r.xMin, r.valueMax, r.zMax, e},
                                          {r.xMin, r.valueMax, r.zMax, e},
                                          {r.xMax, r.valueMax, r.zMax, e},
                                          {r.xMin, r.valueMin, r.zMax, e},
                                          {r.xMin, r.valueMax, r.zMax, e}}});
  }
  return list;
}

}  // namespace rv
