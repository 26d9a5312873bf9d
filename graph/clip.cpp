#include "graph/clip.h"

#include <cmath>

namespace rv {

namespace {

bool Finite(const RasterVertex& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

RasterVertex Between(const RasterVertex& a, const RasterVertex& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.index + (b.index - a.index) * t};
}

// The signed distance inside one of the six faces: plane 0 to 5 are
// x ≥ -1, x ≤ 1, y ≥ -1, y ≤ 1, z ≥ -1, z ≤ 1.
double Inside(const RasterVertex& v, int plane) {
  const double c = plane < 2 ? v.x : plane < 4 ? v.y : v.z;
  return plane % 2 == 0 ? c + 1.0 : 1.0 - c;
}

}  // namespace

bool ClipLine(RasterVertex& a, RasterVertex& b) {
  if (!Finite(a) || !Finite(b)) return false;
  double enter = 0.0;
  double leave = 1.0;
  for (int plane = 0; plane < 6; ++plane) {
    const double da = Inside(a, plane);
    const double db = Inside(b, plane);
    if (da < 0.0 && db < 0.0) return false;
    if (da < 0.0) enter = std::fmax(enter, da / (da - db));
    if (db < 0.0) leave = std::fmin(leave, da / (da - db));
  }
  if (enter > leave) return false;
  const RasterVertex start = a;
  if (enter > 0.0) a = Between(start, b, enter);
  if (leave < 1.0) b = Between(start, b, leave);
  return true;
}

void ClipPolygon(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch) {
  for (const RasterVertex& v : polygon)
    if (!Finite(v)) {
      polygon.clear();
      return;
    }
  for (int plane = 0; plane < 6 && !polygon.empty(); ++plane) {
    bool allInside = true;
    for (const RasterVertex& v : polygon) allInside = allInside && Inside(v, plane) >= 0.0;
    if (allInside) continue;
    scratch.clear();
    for (size_t i = 0; i < polygon.size(); ++i) {
      const RasterVertex& from = polygon[i];
      const RasterVertex& to = polygon[(i + 1) % polygon.size()];
      const double dFrom = Inside(from, plane);
      const double dTo = Inside(to, plane);
      if (dFrom >= 0.0) scratch.push_back(from);
      if ((dFrom >= 0.0) != (dTo >= 0.0)) scratch.push_back(Between(from, to, dFrom / (dFrom - dTo)));
    }
    polygon.swap(scratch);
  }
}

}  // namespace rv
