#include <algorithm>
#include <cmath>

#include "graph/graph_color.h"
#include "graph/line_strips.h"
#include "graph/scene_lists.h"

namespace rv {

namespace {

// The solid lies this share of the value range below the wire grid, so the
// grid stays visible above it.
constexpr double kSolidDrop = 0.0025;
constexpr double kBandMargin = 2 * kSolidDrop;

const SurfacePoint& PointAt(const Surface& surface, int row, int column) {
  return surface.grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

// The shade of a vertex: trunc(31 × (v − low) / (high − low)) up the ramp.
std::uint8_t ShadeIndex(std::uint8_t base, double value, const GraphRanges& r) {
  const double t = std::trunc(31.0 * (value - r.shadeMin) / (r.shadeMax - r.shadeMin));
  return static_cast<std::uint8_t>(base + static_cast<int>(std::clamp(t, 0.0, 31.0)));
}

// One quad strip per run of columns where both rows have values on one side
// of every pole: a quad never has a corner without a value nor spans a pole.
void AddSolidRow(DisplayList& list, const Surface& surface, int row, const GraphOptions& options, std::uint8_t solid) {
  const GraphRanges& r = surface.ranges;
  const double drop = r.valueRange() * kSolidDrop;
  const std::uint8_t base = ShadeBase(options.color(kSolidSurface));
  auto vertex = [&](const SurfacePoint& p) {
    const std::uint8_t index = options.shadeSurface ? ShadeIndex(base, p.value, r) : solid;
    return Vertex{p.x, p.value - drop, p.z, index};
  };
  Primitive strip{PrimitiveKind::QuadStrip, {}};
  auto flush = [&] {
    if (strip.vertices.size() >= 4) list.commands.emplace_back(strip);
    strip.vertices.clear();
  };
  const SurfacePoint* previous = nullptr;
  for (int column = 0; column < kGridPoints; ++column) {
    const SurfacePoint& near = PointAt(surface, row, column);
    const SurfacePoint& far = PointAt(surface, row - 1, column);
    if (!Joinable(near, far)) {
      flush();
      previous = nullptr;
      continue;
    }
    if (previous != nullptr && !Joinable(*previous, near)) flush();
    strip.vertices.push_back(vertex(near));
    strip.vertices.push_back(vertex(far));
    previous = &near;
  }
  flush();
}

}  // namespace

DisplayList SurfaceList(const Surface& surface, const GraphOptions& options) {
  DisplayList list;
  const GraphRanges& r = surface.ranges;
  const double box = surface.isCurve() ? 1.4 : 1.0;
  list.commands.emplace_back(Scaling{box / r.xRange(), box / r.valueRange(), box / r.zRange()});
  list.commands.emplace_back(
      Translation{-(r.xMin + r.xMax) / 2, -(r.valueMin + r.valueMax) / 2, -(r.zMin + r.zMax) / 2});
  // What lies beyond the value range (a pole's far side, a typed range)
  // is not drawn; the solid just below the wire grid stays.
  list.commands.emplace_back(ValueBand{r.valueMin - kBandMargin * r.valueRange(), r.valueMax});

  if (const auto line = GraphColorIndex(options.color(kGrid2DLine))) {
    if (surface.isCurve()) {
      AddStrips(
          list, kGridPoints, [&](int k) -> const SurfacePoint& { return PointAt(surface, k, 0); }, *line);
    } else {
      for (int row = 0; row < kGridPoints; ++row)
        AddStrips(
            list, kGridPoints, [&](int k) -> const SurfacePoint& { return PointAt(surface, row, k); }, *line);
      for (int column = 0; column < kGridPoints; ++column)
        AddStrips(
            list, kGridPoints, [&](int k) -> const SurfacePoint& { return PointAt(surface, k, column); }, *line);
    }
  }
  if (surface.isCurve()) return list;
  if (const auto solid = GraphColorIndex(options.color(kSolidSurface)))
    for (int row = 1; row < kGridPoints; ++row) AddSolidRow(list, surface, row, options, *solid);
  return list;
}

DisplayList MarkerList(const GraphModel& model, const GraphOptions& options) {
  DisplayList list;
  const auto index = GraphColorIndex(options.color(kDataPoints));
  if (!index || model.markers.empty()) return list;
  const GraphRanges& r = model.surface.ranges;
  list.commands.emplace_back(ValueBand{r.valueMin, r.valueMax});
  Primitive crosses{PrimitiveKind::Markers, {}};
  Primitive lines{PrimitiveKind::Lines, {}};
  for (const DataPointMarker& m : model.markers) {
    crosses.vertices.push_back({m.x, m.height, m.z, *index});
    lines.vertices.insert(lines.vertices.end(), {{m.x, m.height, m.z, *index}, {m.x, m.surfaceValue, m.z, *index}});
  }
  list.commands.emplace_back(std::move(crosses));
  list.commands.emplace_back(std::move(lines));
  return list;
}

}  // namespace rv
