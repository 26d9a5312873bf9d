#include "graph/ui/graph_bitmap.h"

#include "graph/build_scene.h"
#include "graph/graph_color.h"
#include "graph/ui/equation_text.h"
#include "graph/ui/label_glyphs.h"

namespace rv {

GlyphSet PictureGlyphs(const GlyphSet& glyphs, int size) {
  return size > kPictureSize ? LabelGlyphs(static_cast<double>(size) / kPictureSize) : glyphs;
}

FrameBuffer RenderGraphBitmap(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                              const ViewState& view, const std::string& equationText, int size) {
  FrameBuffer picture = RenderGraphPicture(BuildScene(model, options), PictureGlyphs(glyphs, size), view, size);
  if (const auto index = GraphColorIndex(options.color(kEquationText))) DrawEquationText(picture, equationText, *index);
  DrawBorderOutline(picture, options);
  return picture;
}

}  // namespace rv
