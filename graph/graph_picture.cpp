#include "graph/graph_picture.h"

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

FrameBuffer RenderGraphPicture(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, int size) {
  RenderTarget target(size, size, PictureViewport(size));
  DrawScene(scene, glyphs, view, target);
  return std::move(target.frame);
}

void DrawBorderOutline(FrameBuffer& picture, const GraphOptions& options) {
  const auto index = GraphColorIndex(options.color(kBorderOutline));
  if (!index) return;
  Rectangle(picture, 0, 0, picture.width - 1, picture.height - 1, *index);
  Rectangle(picture, 1, 1, picture.width - 2, picture.height - 2, *index);
}

}  // namespace rv
