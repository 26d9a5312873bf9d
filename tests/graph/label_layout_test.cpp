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
  void line(const RasterVertex& a, const RasterVertex& b, bool) override { lines.push_back({a, b}); }
  void triangle(const RasterVertex&, const RasterVertex&, const RasterVertex&) override {}
  void text(const TextBlock& block) override { blocks.push_back(block); }
  std::vector<TextBlock> blocks;
  std::vector<std::pair<RasterVertex, RasterVertex>> lines;
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
  // The graph window of a main window at its default size, a small export,
  // the copied picture, and a large export; the default view and the four
  // standard ones.
  const Frame frames[] = {{"window", {GraphWindowViewport(632, 448), 515, 372}},
                          {"320", {PictureViewport(320), 320, 320}},
                          {"picture", {PictureViewport(kPictureSize), kPictureSize, kPictureSize}},
                          {"large", {PictureViewport(2000), 2000, 2000}}};
  const std::pair<int, int> views[] = {{0, 0}, {90, 0}, {180, -30}, {45, 30}};
  const GlyphSet glyphs = LabelSizedGlyphs();
  for (const Case& c : cases) {
    DataSheet sheet = c.sheet;
    sheet.names[1] = "TEMPERAT";
    const GraphModel model = Model(c.equation, sheet, c.surface ? SurfaceOver(1, 2) : Curve(1));
    const Scene scene = BuildScene(model, DefaultGraphOptions());
    for (int v = -1; v < 4; ++v) {
      ViewState view;
      ResetView(view, c.surface ? 2 : 1);
      if (v >= 0) SetAnglePositions(view, 180 + views[v].first, 180 + views[v].second);
      for (const Frame& frame : frames) {
        TextSink sink;
        ProjectScene(scene, glyphs, view, frame.geometry, sink);
        const std::string where =
            std::string(c.name) + ", " + frame.name + ", view " +
            (v < 0 ? std::string("default") : std::to_string(views[v].first) + "/" + std::to_string(views[v].second));
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
        // No two labels of one axis stand among the labels of another.
        const TextRole roles[] = {TextRole::XLabel, TextRole::YLabel, TextRole::ZLabel};
        for (const TextRole a : roles)
          for (const TextRole b : roles) {
            if (a == b) continue;
            bool any = false;
            TextBox around;
            for (const TextBlock& block : sink.blocks)
              if (block.role == a) {
                around = any ? TextBox{std::min(around.left, block.box.left), std::min(around.bottom, block.box.bottom),
                                       std::max(around.right, block.box.right), std::max(around.top, block.box.top)}
                             : block.box;
                any = true;
              }
            int among = 0;
            for (const TextBlock& block : sink.blocks) among += any && block.role == b && block.box.overlaps(around);
            EXPECT_LE(among, 1) << where << ": labels interleave";
          }
        EXPECT_EQ(titles, c.surface ? 3 : 2) << where;
        // In the default view enough labels stay to read every axis's scale off.
        if (v >= 0) continue;
        EXPECT_GE(labels[0], 2) << where;
        EXPECT_GE(labels[1], 3) << where;
        if (c.surface) {
          EXPECT_GE(labels[2], 2) << where;
        }
      }
    }
  }
}

// Ticks 0, 1, 2 … of an X axis whose whole view labels every perStep-th,
// pitch pixels apart from x 20 on a row.
std::vector<TextBlock> Ticks(int count, double pitch, double fine = 1.0) {
  std::vector<TextBlock> blocks;
  for (int k = 0; k < count; ++k) {
    TextBlock block{TextRole::XLabel, 0, {}, {}, {}};
    block.anchor = {20.0 + k * pitch, 50.0, 0.5, 0.0, false, true, k, k * fine};
    blocks.push_back(block);
  }
  return blocks;
}

std::vector<std::string> Shown(const std::vector<TextBlock>& blocks) {
  std::vector<std::string> texts;
  texts.reserve(blocks.size());
  for (const TextBlock& b : blocks) texts.push_back(b.runs.at(0).text);
  return texts;
}

// Labels stand a round step apart, the finest at which none run together
// (7 pixels a character): 30 pixels apart every tick; 15 apart every second,
// where "10" and "12" are 14 wide with 4 of room; 7 apart every fifth, never
// every fourth, which is no round number. A view zoomed four times shows a
// finer step, with the digits it needs, and no label whose value is off the
// picture: ticks every 0.1 from 0 to 10, 20 pixels apart, of which a
// picture of 400 shows those from 0 to 1.9, and which the whole view labels
// every 1.
TEST(LabelLayout, LabelsStandARoundStepApartTheFinestAtWhichNoneRunTogether) {
  const GlyphSet glyphs = LabelSizedGlyphs();
  const struct {
    int count;
    double pitch, fine;
    int perStep;
    double magnification;
    std::vector<std::string> shown;
  } cases[] = {
      {5, 30, 1.0, 1, 1.0, {"0", "1", "2", "3", "4"}},     {13, 15, 1.0, 1, 1.0, {"0", "2", "4", "6", "8", "10", "12"}},
      {21, 7, 1.0, 1, 1.0, {"0", "5", "10", "15", "20"}},  {101, 20, 0.1, 10, 1.0, {"0", "1"}},
      {101, 20, 0.1, 10, 4.0, {"0", "0.5", "1.0", "1.5"}},
  };
  for (const auto& c : cases) {
    const std::vector<LabelAxis> axis{{TextRole::XLabel, c.fine, c.perStep}};
    EXPECT_EQ(Shown(LayOutTexts(Ticks(c.count, c.pitch, c.fine), glyphs, 400, 100, axis, c.magnification)), c.shown)
        << c.count << " ticks " << c.pitch << " apart, zoomed " << c.magnification;
  }
  // A label off the picture across its axis stays, at the edge.
  std::vector<TextBlock> below = Ticks(3, 100);
  for (TextBlock& b : below) b.anchor.y = -40.0;
  const std::vector<TextBlock> pinned = LayOutTexts(below, glyphs, 400, 100, {{TextRole::XLabel, 1.0, 1}});
  ASSERT_EQ(pinned.size(), 3u);
  EXPECT_EQ(pinned[0].box.bottom, 0);
}

// Zoomed four times into the middle of Y = X1 over 0 to 10, the picture
// shows X and Y from 3.2 to 6.8: the labels are of those values, half a
// unit apart, and the data point's cross is as large as in the whole view.
TEST(LabelLayout, AZoomedPictureLabelsWhatItShowsAndKeepsItsMarkersSize) {
  DataSheet sheet = SheetWithRanges({{1, {0.0, 10.0}}});
  sheet.cell(0, 0) = 5.5;
  sheet.cell(0, 1) = 5.0;
  const GraphModel model = Model(Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 0.0}), sheet, Curve(1));
  const Scene scene = BuildScene(model, DefaultGraphOptions());
  const GlyphSet glyphs = LabelSizedGlyphs();
  const FrameGeometry frame{PictureViewport(kPictureSize), kPictureSize, kPictureSize};
  const auto crossSide = [](const TextSink& sink) {
    double side = 0.0;
    for (const auto& [a, b] : sink.lines)
      if (a.index == 63 && std::fabs(std::fabs(b.x - a.x) - std::fabs(b.y - a.y)) < 1e-9 && b.x != a.x)
        side = std::fabs(b.x - a.x);
    return side;
  };
  ViewState view;
  ResetView(view, 1);
  TextSink whole;
  ProjectScene(scene, glyphs, view, frame, whole);
  view.zoom = {-0.25, 0.25, -0.25, 0.25};
  TextSink zoomed;
  ProjectScene(scene, glyphs, view, frame, zoomed);

  EXPECT_GT(crossSide(whole), 4.0);
  EXPECT_DOUBLE_EQ(crossSide(zoomed), crossSide(whole));
  const double shownFrom = 5.0 - 0.25 / 0.14;
  const double shownTo = 5.0 + 0.25 / 0.14;
  for (const TextRole role : {TextRole::XLabel, TextRole::YLabel}) {
    std::vector<std::string> texts;
    for (const TextBlock& block : zoomed.blocks)
      if (block.role == role) {
        const double value = std::stod(block.runs[0].text);
        EXPECT_TRUE(value >= shownFrom && value <= shownTo) << block.runs[0].text;
        texts.push_back(block.runs[0].text);
      }
    ASSERT_GE(texts.size(), 3u);
    for (const std::string& text : texts) EXPECT_EQ(text.size() - text.find('.'), 2u) << text;
    EXPECT_NEAR(std::stod(texts[1]) - std::stod(texts[0]), 0.5, 1e-12);
  }
}

}  // namespace
}  // namespace rv
