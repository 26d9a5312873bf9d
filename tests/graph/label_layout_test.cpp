#include "graph/label_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graph/build_scene.h"
#include "graph/graph_picture.h"
#include "graph/project_scene.h"
#include "graph_fixtures.h"

namespace rv {
namespace {

using testing::Curve;
using testing::Equation;
using testing::Model;
using testing::SheetWithRanges;
using testing::SurfaceOver;

// Glyphs the size of the label font's: 6 × 9 pixels, 2 of them below the
// baseline, 7 apart.
GlyphSet LabelSizedGlyphs() {
  GlyphSet set;
  for (GlyphBitmap& glyph : set.glyphs) {
    glyph.width = 6;
    glyph.height = 9;
    glyph.yOrigin = 2;
    glyph.advance = 7;
    glyph.bits.assign(54, 1);
  }
  return set;
}

class TextSink : public SceneSink {
 public:
  void line(const RasterVertex&, const RasterVertex&, bool) override {}
  void triangle(const RasterVertex&, const RasterVertex&, const RasterVertex&) override {}
  void text(const TextBlock& block) override { blocks.push_back(block); }
  std::vector<TextBlock> blocks;
};

struct Frame {
  const char* name;
  FrameGeometry geometry;
};

TEST(LabelLayout, EveryAxisKeepsReadableLabelsInsideThePictureAndNoneOverlap) {
  struct Case {
    const char* name;
    FitWorkspace equation;
    DataSheet sheet;
    bool surface;
  };
  const Case cases[] = {
      {"values to 7e7", Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {7.3e6, 1.0, 0.0}),
       SheetWithRanges({{1, {-10.0, 10.0}}, {2, {250.0, 350.0}}}), true},
      {"values to e^60", Equation(EquationSet::Log, {{kTermX, 1, 0}}, {1.0, 0.0}), SheetWithRanges({{1, {0.0, 60.0}}}),
       false},
      {"values near 1e-25", Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1e-25, 1e-26, 0.0}),
       SheetWithRanges({{1, {1.0, 2.0}}, {2, {1e-25, 2e-25}}}), true},
      {"values near 1e12", Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1e11, 1.0, 1e12}),
       SheetWithRanges({{1, {1e12, 2e12}}, {2, {0.0, 10.0}}}), true},
      {"the example's ranges", Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, -10.0, 0.0}),
       SheetWithRanges({{1, {250.0, 400.0}}, {2, {0.0, 25.0}}}), true},
      {"the example's law from X2 = -10",
       Equation(EquationSet::Log, {{kTermLn, 1, 0}, {kTermLn, 2, 0}, {kTermLn, 3, 0}}, {1.0, -1.0, 1.0, 2.0}),
       SheetWithRanges({{1, {250.0, 400.0}}, {2, {-10.0, 30.0}}, {3, {1.0, 2.0}}}), true},
  };
  // The graph window of a main window at its default size, the copied
  // picture, and a large export.
  const Frame frames[] = {{"window", {GraphWindowViewport(632, 448), 515, 372}},
                          {"picture", {PictureViewport(kPictureSize), kPictureSize, kPictureSize}},
                          {"large", {PictureViewport(2000), 2000, 2000}}};
  const GlyphSet glyphs = LabelSizedGlyphs();
  for (const Case& c : cases) {
    DataSheet sheet = c.sheet;
    sheet.names[1] = "TEMPERAT";
    const GraphModel model = Model(c.equation, sheet, c.surface ? SurfaceOver(1, 2) : Curve(1));
    const Scene scene = BuildScene(model, DefaultGraphOptions(), glyphs);
    ViewState view;
    ResetView(view, c.surface ? 2 : 1);
    for (const Frame& frame : frames) {
      TextSink sink;
      ProjectScene(scene, glyphs, view, frame.geometry, sink);
      const std::string where = std::string(c.name) + ", " + frame.name;
      int labels[3] = {0, 0, 0};
      int titles = 0;
      for (size_t i = 0; i < sink.blocks.size(); ++i) {
        const TextBlock& block = sink.blocks[i];
        const TextBox& box = block.box;
        EXPECT_TRUE(box.left >= 0 && box.bottom >= 0 && box.right <= frame.geometry.width &&
                    box.top <= frame.geometry.height)
            << where << ": " << block.runs[0].text << " at " << box.left << ", " << box.bottom;
        for (size_t j = i + 1; j < sink.blocks.size(); ++j)
          EXPECT_FALSE(box.overlaps(sink.blocks[j].box))
              << where << ": " << block.runs[0].text << " over " << sink.blocks[j].runs[0].text;
        if (block.role == TextRole::XLabel) ++labels[0];
        if (block.role == TextRole::YLabel) ++labels[1];
        if (block.role == TextRole::ZLabel) ++labels[2];
        if (block.role == TextRole::XTitle || block.role == TextRole::YTitle || block.role == TextRole::ZTitle)
          ++titles;
      }
      // Enough labels stay to read every axis's scale off.
      EXPECT_GE(labels[0], 2) << where;
      EXPECT_GE(labels[1], 3) << where;
      if (c.surface) EXPECT_GE(labels[2], 2) << where;
      EXPECT_EQ(titles, c.surface ? 3 : 2) << where;
    }
  }
}

TEST(LabelLayout, ThinsOverlappingLabelsToEverySecondThenEveryFourth) {
  const GlyphSet glyphs = LabelSizedGlyphs();
  const auto labels = [](int count, double pitch) {
    std::vector<TextBlock> blocks;
    for (int i = 0; i < count; ++i) blocks.push_back({TextRole::XLabel, 0, {{20.0 + i * pitch, 50.0, 0.5, "123"}}, {}});
    return blocks;
  };
  const auto kept = [&](int count, double pitch) {
    std::vector<double> at;
    for (const TextBlock& b : LayOutTexts(labels(count, pitch), glyphs, 400, 100)) at.push_back(b.runs[0].x);
    return at;
  };
  EXPECT_EQ(kept(5, 30).size(), 5u);                          // 21 wide, 30 apart
  EXPECT_EQ(kept(5, 15), (std::vector<double>{20, 50, 80}));  // every second
  EXPECT_EQ(kept(9, 7), (std::vector<double>{20, 48, 76}));   // every fourth
}

}  // namespace
}  // namespace rv
