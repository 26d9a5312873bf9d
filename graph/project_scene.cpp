#include "graph/project_scene.h"

#include <algorithm>
#include <cmath>
#include <variant>
#include <vector>

#include "graph/clip.h"
#include "graph/transform.h"

namespace rv {

namespace {

bool Finite(const RasterVertex& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

constexpr double kFarthestText = 0.999;

bool IsTitle(TextRole role) { return role == TextRole::XTitle || role == TextRole::YTitle || role == TextRole::ZTitle; }

// Replays display lists: keeps the current matrix, which a list's scaling
// and translation change for the lists after it, working room for
// clipping, and the texts, which are laid out once the frame is complete.
class ListPlayer {
 public:
  ListPlayer(SceneSink& sink, const FrameGeometry& frame, const Transform& matrix)
      : sink_(sink), frame_(frame), matrix_(matrix) {}

  void play(const DisplayList& list) {
    for (const ListCommand& command : list.commands) std::visit(*this, command);
  }

  std::vector<TextBlock>& texts() { return texts_; }

  void operator()(const Scaling& s) { matrix_ = matrix_ * ScalingTransform(s.x, s.y, s.z); }
  void operator()(const Translation& t) { matrix_ = matrix_ * TranslationTransform(t.x, t.y, t.z); }

  void operator()(const Primitive& primitive) {
    device_.clear();
    for (const Vertex& v : primitive.vertices) {
      const Point3 p = matrix_.apply({v.x, v.y, v.z});
      device_.push_back({p.x, p.y, p.z, static_cast<double>(v.index)});
    }
    onSurface_ = primitive.onSurface;
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

  // A text whose raster position lies off the view volume is still drawn:
  // the layout shifts it onto the picture. Only a position that is no point
  // at all is left out.
  void operator()(const RasterText& text) {
    const Point3 p = matrix_.apply({text.x, text.y, text.z});
    // Depth just inside the far plane, where the depth test still lets it through.
    const RasterVertex position{p.x, p.y, std::clamp(p.z, -1.0, kFarthestText), 0.0};
    if (!Finite(position)) return;
    const RasterVertex window = toWindow(position);
    const TextRun run{window.x, window.y, window.z, text.text};
    if (IsTitle(text.role) && !texts_.empty() && texts_.back().role == text.role) {
      texts_.back().runs.push_back(run);
      return;
    }
    texts_.push_back({text.role, text.index, {run}, {}});
  }

 private:
  RasterVertex toWindow(const RasterVertex& v) const {
    const Viewport& vp = frame_.viewport;
    return {(v.x + 1.0) * (vp.width / 2.0) + vp.x, (v.y + 1.0) * (vp.height / 2.0) + vp.y, (v.z + 1.0) * 0.5, v.index};
  }

  void line(RasterVertex a, RasterVertex b) {
    if (!ClipLine(a, b)) return;
    a = toWindow(a);
    b = toWindow(b);
    if (onSurface_) {
      a.z -= kSurfaceLineBias;
      b.z -= kSurfaceLineBias;
    }
    sink_.line(a, b, onSurface_);
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
    for (size_t i = 1; i + 1 < polygon_.size(); ++i) sink_.triangle(polygon_[0], polygon_[i], polygon_[i + 1]);
  }

  SceneSink& sink_;
  const FrameGeometry& frame_;
  Transform matrix_;
  bool onSurface_ = false;
  std::vector<RasterVertex> device_;
  std::vector<RasterVertex> polygon_;
  std::vector<RasterVertex> scratch_;
  std::vector<TextBlock> texts_;
};

}  // namespace

void ProjectScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, const FrameGeometry& frame,
                  SceneSink& sink) {
  const ZoomBounds& zoom = view.zoom;
  Transform matrix = OrthoTransform(zoom.left, zoom.right, zoom.bottom, zoom.top, -1.0, 1.0);
  if (view.horizontalAngle != 0.0) matrix = matrix * RotationTransform(view.horizontalAngle, 0.0, 1.0, 0.0);
  if (view.verticalAngle != 0.0) matrix = matrix * RotationTransform(view.verticalAngle, 1.0, 0.0, 0.0);
  ListPlayer player(sink, frame, matrix);
  for (const DisplayList& list : scene.lists) player.play(list);
  for (const TextBlock& block : LayOutTexts(std::move(player.texts()), glyphs, frame.width, frame.height))
    sink.text(block);
}

}  // namespace rv
