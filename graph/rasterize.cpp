#include "graph/rasterize.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace rv {

namespace {

std::uint8_t NearestIndex(double index) {
  return static_cast<std::uint8_t>(std::clamp(std::floor(index + 0.5), 0.0, 255.0));
}

// One fragment at pixel (column, row), rows counted upward from the bottom.
void Fragment(RenderTarget& target, int column, int row, double depth, double index) {
  FrameBuffer& frame = target.frame;
  if (column < 0 || row < 0 || column >= frame.width || row >= frame.height) return;
  const size_t at = frame.offset(column, frame.height - 1 - row);
  const float z = static_cast<float>(depth);
  if (!(z < target.depth[at])) return;
  target.depth[at] = z;
  frame.pixels[at] = NearestIndex(index);
}

// The pixel centres c + 0.5 with from ≤ c + 0.5 < to (from < to), as whole
// pixel numbers: [first, last].
std::pair<int, int> CentresBetween(double from, double to) {
  return {static_cast<int>(std::ceil(from - 0.5)), static_cast<int>(std::ceil(to - 0.5)) - 1};
}

double EdgeFunction(const RasterVertex& a, const RasterVertex& b, double x, double y) {
  return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

// With the vertices counter-clockwise (y upward), a centre exactly on an
// edge belongs to this triangle when the edge is a left edge (running down)
// or a top edge (running left).
bool OwnsEdge(const RasterVertex& from, const RasterVertex& to) {
  const double dy = to.y - from.y;
  return dy < 0.0 || (dy == 0.0 && to.x - from.x < 0.0);
}

}  // namespace

void ClearTarget(RenderTarget& target, std::uint8_t index) {
  std::fill(target.frame.pixels.begin(), target.frame.pixels.end(), index);
  std::fill(target.depth.begin(), target.depth.end(), 1.0f);
}

void RasterizeLine(RenderTarget& target, const RasterVertex& a, const RasterVertex& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  if (dx == 0.0 && dy == 0.0) return;
  const bool alongX = std::fabs(dx) >= std::fabs(dy);
  // Walk the major axis from a towards b; the minor coordinate, depth and
  // index follow linearly.
  const double start = alongX ? a.x : a.y;
  const double end = alongX ? b.x : b.y;
  const double span = end - start;
  int first = 0;
  int last = 0;
  if (span > 0) {
    std::tie(first, last) = CentresBetween(start, end);
  } else {
    // Walking down the axis: the centres in (end, start].
    first = static_cast<int>(std::floor(end - 0.5)) + 1;
    last = static_cast<int>(std::floor(start - 0.5));
  }
  const int limit = alongX ? target.frame.width : target.frame.height;
  first = std::max(first, 0);
  last = std::min(last, limit - 1);
  for (int major = first; major <= last; ++major) {
    const double t = (major + 0.5 - start) / span;
    const double minor = alongX ? a.y + dy * t : a.x + dx * t;
    const int minorPixel = static_cast<int>(std::floor(minor));
    const double depth = a.z + (b.z - a.z) * t;
    const double index = a.index + (b.index - a.index) * t;
    // A wide line covers lineWidth pixels across its major axis, centred on
    // the one a thin line covers.
    for (int across = -(target.lineWidth - 1) / 2; across <= target.lineWidth / 2; ++across) {
      if (alongX) Fragment(target, major, minorPixel + across, depth, index);
      else Fragment(target, minorPixel + across, major, depth, index);
    }
  }
}

void RasterizeTriangle(RenderTarget& target, const RasterVertex& a, const RasterVertex& b0, const RasterVertex& c0) {
  double area = EdgeFunction(a, b0, c0.x, c0.y);
  if (!(area != 0.0) || !std::isfinite(area)) return;
  const RasterVertex& b = area > 0 ? b0 : c0;
  const RasterVertex& c = area > 0 ? c0 : b0;
  area = std::fabs(area);

  const FrameBuffer& frame = target.frame;
  const auto [left, right] = CentresBetween(std::min({a.x, b.x, c.x}), std::max({a.x, b.x, c.x}) + 1.0);
  const auto [bottom, top] = CentresBetween(std::min({a.y, b.y, c.y}), std::max({a.y, b.y, c.y}) + 1.0);
  const int x0 = std::max(left, 0), x1 = std::min(right, frame.width - 1);
  const int y0 = std::max(bottom, 0), y1 = std::min(top, frame.height - 1);
  const bool ownsBC = OwnsEdge(b, c), ownsCA = OwnsEdge(c, a), ownsAB = OwnsEdge(a, b);

  for (int row = y0; row <= y1; ++row) {
    const double py = row + 0.5;
    for (int column = x0; column <= x1; ++column) {
      const double px = column + 0.5;
      const double wa = EdgeFunction(b, c, px, py);
      const double wb = EdgeFunction(c, a, px, py);
      const double wc = EdgeFunction(a, b, px, py);
      if (wa < 0.0 || wb < 0.0 || wc < 0.0) continue;
      if ((wa == 0.0 && !ownsBC) || (wb == 0.0 && !ownsCA) || (wc == 0.0 && !ownsAB)) continue;
      const double depth = (wa * a.z + wb * b.z + wc * c.z) / area;
      const double index = (wa * a.index + wb * b.index + wc * c.index) / area;
      Fragment(target, column, row, depth, index);
    }
  }
}

void RasterizeGlyph(RenderTarget& target, const GlyphBitmap& glyph, double x, double y, double z, std::uint8_t index) {
  if (!glyph.complete()) return;
  const int left = static_cast<int>(std::floor(x - glyph.xOrigin));
  const int bottom = static_cast<int>(std::floor(y - glyph.yOrigin));
  for (int r = 0; r < glyph.height; ++r)
    for (int c = 0; c < glyph.width; ++c)
      if (glyph.bit(c, r)) Fragment(target, left + c, bottom + glyph.height - 1 - r, z, index);
}

}  // namespace rv
