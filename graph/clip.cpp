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

// The signed distance inside the band's lower (plane 0) or upper edge.
struct BandDistance {
  double low, high;
  double operator()(const RasterVertex& v, int plane) const { return plane == 0 ? v.y - low : high - v.y; }
};

template <typename Distance>
bool ClipLineBy(RasterVertex& a, RasterVertex& b, int planes, Distance inside) {
  if (!Finite(a) || !Finite(b)) return false;
  double enter = 0.0;
  double leave = 1.0;
  for (int plane = 0; plane < planes; ++plane) {
    const double da = inside(a, plane);
    const double db = inside(b, plane);
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

template <typename Distance>
void ClipPolygonBy(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch, int planes,
                   Distance inside) {
  for (const RasterVertex& v : polygon)
    if (!Finite(v)) {
      polygon.clear();
      return;
    }
  for (int plane = 0; plane < planes && !polygon.empty(); ++plane) {
    bool allInside = true;
    for (const RasterVertex& v : polygon) allInside = allInside && inside(v, plane) >= 0.0;
    if (allInside) continue;
    scratch.clear();
    for (size_t i = 0; i < polygon.size(); ++i) {
      const RasterVertex& from = polygon[i];
      const RasterVertex& to = polygon[(i + 1) % polygon.size()];
      const double dFrom = inside(from, plane);
      const double dTo = inside(to, plane);
      if (dFrom >= 0.0) scratch.push_back(from);
      if ((dFrom >= 0.0) != (dTo >= 0.0)) scratch.push_back(Between(from, to, dFrom / (dFrom - dTo)));
    }
    polygon.swap(scratch);
  }
}

}  // namespace

bool ClipLine(RasterVertex& a, RasterVertex& b) { return ClipLineBy(a, b, 6, Inside); }

void ClipPolygon(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch) {
  ClipPolygonBy(polygon, scratch, 6, Inside);
}

bool ClipLineToBand(RasterVertex& a, RasterVertex& b, double low, double high) {
  return ClipLineBy(a, b, 2, BandDistance{low, high});
}

void ClipPolygonToBand(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch, double low,
                       double high) {
  ClipPolygonBy(polygon, scratch, 2, BandDistance{low, high});
}

}  // namespace rv
