#include "graph/draw_scene.h"

#include "graph/project_scene.h"
#include "graph/rasterize.h"

namespace rv {

namespace {

// Rasterises what a frame projects into the target's picture through its
// depth buffer.
class RasterSink : public SceneSink {
 public:
  RasterSink(RenderTarget& target, const GlyphSet& glyphs) : target_(target), glyphs_(glyphs) {}

  void line(const RasterVertex& a, const RasterVertex& b, bool) override { RasterizeLine(target_, a, b); }
  void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) override {
    RasterizeTriangle(target_, a, b, c);
  }
  void text(const TextBlock& block) override {
    for (const TextRun& run : block.runs) {
      double x = run.x;
      for (const char c : run.text) {
        const GlyphBitmap* glyph = glyphs_.find(static_cast<unsigned char>(c));
        if (glyph == nullptr) continue;
        RasterizeGlyph(target_, *glyph, x, run.y, run.z, block.index);
        x += glyph->advance;
      }
    }
  }

 private:
  RenderTarget& target_;
  const GlyphSet& glyphs_;
};

}  // namespace

void DrawScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, RenderTarget& target) {
  ClearTarget(target, scene.clearIndex);
  RasterSink sink(target, glyphs);
  ProjectScene(scene, glyphs, view, {target.viewport, target.frame.width, target.frame.height}, sink);
}

}  // namespace rv
