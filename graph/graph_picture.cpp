#include "graph/graph_picture.h"

#include <algorithm>
#include <cmath>

#include "graph/draw_scene.h"
#include "graph/graph_color.h"

namespace rv {

namespace {

void Rectangle(FrameBuffer& picture, int left, int top, int right, int bottom, std::uint8_t index) {
  if (left > right || top > bottom) return;
  for (int x = left; x <= right; ++x) {
    picture.at(x, top) = index;
    picture.at(x, bottom) = index;
  }
  for (int y = top; y <= bottom; ++y) {
    picture.at(left, y) = index;
    picture.at(right, y) = index;
  }
}

}  // namespace

int PictureLineWidth(int size) {
  return std::max(1, static_cast<int>(std::lround(static_cast<double>(size) / kPictureSize)));
}

FrameBuffer RenderGraphPicture(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, int size) {
  RenderTarget target(size, size, PictureViewport(size));
  target.lineWidth = PictureLineWidth(size);
  DrawScene(scene, glyphs, view, target);
  return std::move(target.frame);
}

void DrawBorderOutline(FrameBuffer& picture, const GraphOptions& options) {
  const auto index = GraphColorIndex(options.color(kBorderOutline));
  if (!index) return;
  const int rectangles = 2 * PictureLineWidth(picture.width);
  for (int k = 0; k < rectangles; ++k) Rectangle(picture, k, k, picture.width - 1 - k, picture.height - 1 - k, *index);
}

}  // namespace rv
