#include "graph/draw_scene.h"

#include <cmath>
#include <variant>
#include <vector>

#include "graph/clip.h"
#include "graph/rasterize.h"
#include "graph/transform.h"

namespace rv {

namespace {

bool Finite(const RasterVertex& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// Replays display lists: keeps the current matrix, which a list's scaling
// and translation change for the lists after it, and working room for
// clipping.
class ListPlayer {
 public:
  ListPlayer(RenderTarget& target, const GlyphSet& glyphs, const Transform& matrix)
      : target_(target), glyphs_(glyphs), matrix_(matrix) {}

  void play(const DisplayList& list) {
    for (const ListCommand& command : list.commands) std::visit(*this, command);
  }

  void operator()(const Scaling& s) { matrix_ = matrix_ * ScalingTransform(s.x, s.y, s.z); }
  void operator()(const Translation& t) { matrix_ = matrix_ * TranslationTransform(t.x, t.y, t.z); }

  void operator()(const Primitive& primitive) {
    device_.clear();
    for (const Vertex& v : primitive.vertices) {
      const Point3 p = matrix_.apply({v.x, v.y, v.z});
      device_.push_back({p.x, p.y, p.z, static_cast<double>(v.index)});
    }
    const size_t n = device_.size();
    switch (primitive.kind) {
      case PrimitiveKind::Lines:
        for (size_t i = 0; i + 1 < n; i += 2) line(device_[i], device_[i + 1]);
        break;
      case PrimitiveKind::LineStrip:
        for (size_t i = 0; i + 1 < n; ++i) line(device_[i], device_[i + 1]);
        break;
      case PrimitiveKind::LineLoop:
        for (size_t i = 0; i + 1 < n; ++i) line(device_[i], device_[i + 1]);
        if (n >= 2) line(device_[n - 1], device_[0]);
        break;
      case PrimitiveKind::Quads:
        for (size_t i = 0; i + 3 < n; i += 4) quad(device_[i], device_[i + 1], device_[i + 2], device_[i + 3]);
        break;
      case PrimitiveKind::QuadStrip:
        for (size_t i = 0; i + 3 < n; i += 2) quad(device_[i], device_[i + 1], device_[i + 3], device_[i + 2]);
        break;
    }
  }

  // Text goes only where its raster position lies inside the view volume;
  // otherwise the position is invalid and the whole text is dropped.
  void operator()(const RasterText& text) {
    const Point3 p = matrix_.apply({text.x, text.y, text.z});
    const RasterVertex position{p.x, p.y, p.z, 0.0};
    if (!InsideViewVolume(position)) return;
    RasterVertex window = toWindow(position);
    for (const char c : text.text) {
      const GlyphBitmap* glyph = glyphs_.find(static_cast<unsigned char>(c));
      if (glyph == nullptr) continue;
      RasterizeGlyph(target_, *glyph, window.x, window.y, window.z, text.index);
      window.x += glyph->advance;
    }
  }

 private:
  RasterVertex toWindow(const RasterVertex& v) const {
    const Viewport& vp = target_.viewport;
    return {(v.x + 1.0) * (vp.width / 2.0) + vp.x, (v.y + 1.0) * (vp.height / 2.0) + vp.y, (v.z + 1.0) * 0.5,
            v.index};
  }

  void line(RasterVertex a, RasterVertex b) {
    if (ClipLine(a, b)) RasterizeLine(target_, toWindow(a), toWindow(b));
  }

  // A quad is drawn as the triangles (a, b, c) and (a, c, d), each clipped
  // to the view volume and cut into a fan; a quad with a corner that is not
  // a finite point is no polygon at all.
  void quad(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c, const RasterVertex& d) {
    if (!Finite(a) || !Finite(b) || !Finite(c) || !Finite(d)) return;
    triangle(a, b, c);
    triangle(a, c, d);
  }

  void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) {
    polygon_.assign({a, b, c});
    ClipPolygon(polygon_, scratch_);
    for (RasterVertex& v : polygon_) v = toWindow(v);
    for (size_t i = 1; i + 1 < polygon_.size(); ++i) RasterizeTriangle(target_, polygon_[0], polygon_[i], polygon_[i + 1]);
  }

  RenderTarget& target_;
  const GlyphSet& glyphs_;
  Transform matrix_;
  std::vector<RasterVertex> device_;
  std::vector<RasterVertex> polygon_;
  std::vector<RasterVertex> scratch_;
};

}  // namespace

void DrawScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, RenderTarget& target) {
  ClearTarget(target, scene.clearIndex);
  const ZoomBounds& zoom = view.zoom;
  Transform matrix = OrthoTransform(zoom.left, zoom.right, zoom.bottom, zoom.top, -1.0, 1.0);
  if (view.horizontalAngle != 0.0) matrix = matrix * RotationTransform(view.horizontalAngle, 0.0, 1.0, 0.0);
  if (view.verticalAngle != 0.0) matrix = matrix * RotationTransform(view.verticalAngle, 1.0, 0.0, 0.0);
  ListPlayer player(target, glyphs, matrix);
  for (const DisplayList& list : scene.lists) player.play(list);
}

}  // namespace rv
