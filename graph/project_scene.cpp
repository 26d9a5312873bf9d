#include "graph/project_scene.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

#include "graph/clip.h"
#include "graph/transform.h"

namespace rv {

namespace {

bool Finite(const RasterVertex& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

constexpr double kFarthestText = 0.999;

bool IsTitle(TextRole role) { return role == TextRole::XTitle || role == TextRole::YTitle || role == TextRole::ZTitle; }
bool IsLabel(TextRole role) { return role == TextRole::XLabel || role == TextRole::YLabel || role == TextRole::ZLabel; }

// Replays display lists: keeps the current matrix, which a list's scaling
// and translation change for the lists after it, the value band of the
// list being played, working room for clipping, and the texts, which are
// laid out once the frame is complete.
class ListPlayer {
 public:
  ListPlayer(SceneSink& sink, const GlyphSet& glyphs, const FrameGeometry& frame, const Transform& matrix)
      : sink_(sink),
        glyphs_(glyphs),
        frame_(frame),
        matrix_(matrix),
        markerHalf_(std::max(kSmallestMarkerHalf, kMarkerShare * frame.viewport.width)) {}

  void play(const DisplayList& list) {
    band_.reset();
    for (const ListCommand& command : list.commands) std::visit(*this, command);
  }

  std::vector<TextBlock>& texts() { return texts_; }

  void operator()(const Scaling& s) { matrix_ = matrix_ * ScalingTransform(s.x, s.y, s.z); }
  void operator()(const Translation& t) { matrix_ = matrix_ * TranslationTransform(t.x, t.y, t.z); }
  void operator()(const ValueBand& band) { band_ = band; }

  void operator()(const Primitive& primitive) {
    model_.clear();
    for (const Vertex& v : primitive.vertices) model_.push_back({v.x, v.y, v.z, static_cast<double>(v.index)});
    onSurface_ = primitive.onSurface;
    const size_t n = model_.size();
    switch (primitive.kind) {
      case PrimitiveKind::Lines:
        for (size_t i = 0; i + 1 < n; i += 2) segment(model_[i], model_[i + 1]);
        break;
      case PrimitiveKind::LineStrip:
        for (size_t i = 0; i + 1 < n; ++i) segment(model_[i], model_[i + 1]);
        break;
      case PrimitiveKind::LineLoop:
        for (size_t i = 0; i + 1 < n; ++i) segment(model_[i], model_[i + 1]);
        if (n >= 2) segment(model_[n - 1], model_[0]);
        break;
      case PrimitiveKind::Quads:
        for (size_t i = 0; i + 3 < n; i += 4) quad(model_[i], model_[i + 1], model_[i + 2], model_[i + 3]);
        break;
      case PrimitiveKind::QuadStrip:
        for (size_t i = 0; i + 3 < n; i += 2) quad(model_[i], model_[i + 1], model_[i + 3], model_[i + 2]);
        break;
      case PrimitiveKind::Markers:
        for (const RasterVertex& centre : model_) marker(centre);
        break;
    }
  }

  // A text whose raster position lies off the view volume is still laid
  // out: a title is shifted onto the picture, and an axis label is left
  // out only where its value is out of view. Only a position that is no
  // point at all is left out.
  void operator()(const RasterText& text) {
    const Point3 p = matrix_.apply({text.x, text.y, text.z});
    // Depth just inside the far plane, where the depth test still lets it through.
    const RasterVertex position{p.x, p.y, std::clamp(p.z, -1.0, kFarthestText), 0.0};
    if (!Finite(position)) return;
    const RasterVertex window = toWindow(position);
    const bool tick = IsLabel(text.role);
    const TextAnchor anchor{window.x, window.y, window.z, text.align, text.middle, tick, text.multiple, text.value};
    const TextRun run = tick ? TextRun{window.x, window.y, window.z, {}} : AnchoredRun(glyphs_, anchor, text.text);
    if (IsTitle(text.role) && !texts_.empty() && texts_.back().role == text.role) {
      texts_.back().runs.push_back(run);
      return;
    }
    texts_.push_back({text.role, text.index, {run}, {}, anchor});
  }

 private:
  // A marker's half side: a share of the viewport's side, at least 2 pixels.
  static constexpr double kMarkerShare = 0.007;
  static constexpr double kSmallestMarkerHalf = 2.0;

  RasterVertex toDevice(const RasterVertex& v) const {
    const Point3 p = matrix_.apply({v.x, v.y, v.z});
    return {p.x, p.y, p.z, v.index};
  }

  RasterVertex toWindow(const RasterVertex& v) const {
    const Viewport& vp = frame_.viewport;
    return {(v.x + 1.0) * (vp.width / 2.0) + vp.x, (v.y + 1.0) * (vp.height / 2.0) + vp.y, (v.z + 1.0) * 0.5, v.index};
  }

  // A line in graph coordinates, cut to the band first.
  void segment(RasterVertex a, RasterVertex b) {
    if (band_ && !ClipLineToBand(a, b, band_->low, band_->high)) return;
    line(toDevice(a), toDevice(b));
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

  // A diagonal cross around the centre, as many pixels wide at every zoom,
  // where the centre is in the band and in view.
  void marker(const RasterVertex& centre) {
    if (band_ && (centre.y < band_->low || centre.y > band_->high)) return;
    const RasterVertex device = toDevice(centre);
    if (!Finite(device) || std::fabs(device.x) > 1.0 || std::fabs(device.y) > 1.0 || std::fabs(device.z) > 1.0) return;
    const RasterVertex c = toWindow(device);
    const double h = markerHalf_;
    sink_.line({c.x - h, c.y - h, c.z, c.index}, {c.x + h, c.y + h, c.z, c.index}, false);
    sink_.line({c.x - h, c.y + h, c.z, c.index}, {c.x + h, c.y - h, c.z, c.index}, false);
  }

  // A quad is drawn as the triangles (a, b, c) and (a, c, d), each cut to
  // the band and clipped to the view volume and cut into a fan; a quad with
  // a corner that is not a finite point is no polygon at all.
  void quad(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c, const RasterVertex& d) {
    if (!Finite(a) || !Finite(b) || !Finite(c) || !Finite(d)) return;
    triangle(a, b, c);
    triangle(a, c, d);
  }

  void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) {
    polygon_.assign({a, b, c});
    if (band_) ClipPolygonToBand(polygon_, scratch_, band_->low, band_->high);
    for (RasterVertex& v : polygon_) v = toDevice(v);
    ClipPolygon(polygon_, scratch_);
    for (RasterVertex& v : polygon_) v = toWindow(v);
    for (size_t i = 1; i + 1 < polygon_.size(); ++i) sink_.triangle(polygon_[0], polygon_[i], polygon_[i + 1]);
  }

  SceneSink& sink_;
  const GlyphSet& glyphs_;
  const FrameGeometry& frame_;
  Transform matrix_;
  double markerHalf_;
  std::optional<ValueBand> band_;
  bool onSurface_ = false;
  std::vector<RasterVertex> model_;
  std::vector<RasterVertex> polygon_;
  std::vector<RasterVertex> scratch_;
  std::vector<TextBlock> texts_;
};

// How much larger the zoom shows the graph than the whole view.
double Magnification(const ZoomBounds& zoom) {
  return std::max(2.0 / (zoom.right - zoom.left), 2.0 / (zoom.top - zoom.bottom));
}

}  // namespace

void ProjectScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, const FrameGeometry& frame,
                  SceneSink& sink) {
  const ZoomBounds& zoom = view.zoom;
  Transform matrix = OrthoTransform(zoom.left, zoom.right, zoom.bottom, zoom.top, -1.0, 1.0);
  if (view.horizontalAngle != 0.0) matrix = matrix * RotationTransform(view.horizontalAngle, 0.0, 1.0, 0.0);
  if (view.verticalAngle != 0.0) matrix = matrix * RotationTransform(view.verticalAngle, 1.0, 0.0, 0.0);
  ListPlayer player(sink, glyphs, frame, matrix);
  for (const DisplayList& list : scene.lists) player.play(list);
  for (const TextBlock& block :
       LayOutTexts(std::move(player.texts()), glyphs, frame.width, frame.height, scene.labelAxes, Magnification(zoom)))
    sink.text(block);
}

}  // namespace rv
