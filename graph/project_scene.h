#pragma once

#include "graph/display_list.h"
#include "graph/glyph_set.h"
#include "graph/label_layout.h"
#include "graph/raster_vertex.h"
#include "graph/view_state.h"
#include "graph/viewport.h"

namespace rv {

// What a frame of the graph becomes, in window coordinates (pixels, y
// upward from the bottom row, depth 0 nearest to 1): lines and triangles
// already clipped to the view volume, in the order the lists draw them,
// then the texts as laid out on the picture. The raster picture and the
// vector pictures are both drawn from it.
class SceneSink {
 public:
  virtual ~SceneSink() = default;
  // onSurface: the line is the curve or part of the surface's wire grid
  // (Primitive::onSurface), its depth already brought kSurfaceLineBias nearer.
  virtual void line(const RasterVertex& a, const RasterVertex& b, bool onSurface) = 0;
  virtual void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) = 0;
  virtual void text(const TextBlock& block) = 0;
};

// Where a frame lands: the viewport and the picture's size, which the
// texts are kept inside.
struct FrameGeometry {
  Viewport viewport;
  int width = 0;
  int height = 0;
};

// The curve and the wire grid are drawn this much nearer (in window depth)
// than their place, so that they win against what lies at their depth.
inline constexpr double kSurfaceLineBias = 0.004;

// Replays the four lists through the orthographic projection of the zoom
// bounds and the rotation about the vertical axis, then about the
// horizontal axis (each left out at 0°), and lays the texts out
// (LayOutTexts) with labels as fine as the zoom shows them.
void ProjectScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, const FrameGeometry& frame,
                  SceneSink& sink);

}  // namespace rv
