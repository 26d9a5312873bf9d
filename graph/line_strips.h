#pragma once

#include <cstdint>

#include "graph/display_list.h"
#include "graph/surface.h"

namespace rv {

// Line strips through a path of points, broken where a point has no
// value or a pole lies between two points: no segment touches such a point
// or crosses the pole. pointOf(k) gives point k of the path's `length`.
template <typename PointOf>
void AddStrips(DisplayList& list, int length, PointOf pointOf, std::uint8_t index) {
  Primitive strip{PrimitiveKind::LineStrip, {}, true};
  auto flush = [&] {
    if (strip.vertices.size() >= 2) list.commands.emplace_back(strip);
    strip.vertices.clear();
  };
  const SurfacePoint* previous = nullptr;
  for (int k = 0; k < length; ++k) {
    const SurfacePoint& p = pointOf(k);
    if (previous != nullptr && !Joinable(*previous, p)) flush();
    if (p.hasValue()) strip.vertices.push_back({p.x, p.value, p.z, index});
    previous = &p;
  }
  flush();
}

}  // namespace rv
