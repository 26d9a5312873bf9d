#include <gtest/gtest.h>

#include "base/graph_palette.h"
#include "graph/graph_color.h"
#include "graph/graph_options.h"

namespace rv {
namespace {

TEST(GraphPalette, HoldsEightRampsOfThirtyTwo) {
  const GraphPalette& p = kGraphPalette;
  EXPECT_EQ(p[0], (PaletteColor{0, 0, 0}));
  EXPECT_EQ(p[1], (PaletteColor{9, 9, 9}));
  EXPECT_EQ(p[28], (PaletteColor{252, 252, 252}));
  for (const int k : {29, 30, 31}) EXPECT_EQ(p[k], (PaletteColor{255, 255, 255})) << k;
  EXPECT_EQ(p[32], (PaletteColor{69, 0, 0}));
  EXPECT_EQ(p[42], (PaletteColor{129, 0, 0}));
  EXPECT_EQ(p[63], (PaletteColor{255, 0, 0}));
  EXPECT_EQ(p[64], (PaletteColor{0, 69, 0}));
  EXPECT_EQ(p[95], (PaletteColor{0, 255, 0}));
  EXPECT_EQ(p[106], (PaletteColor{0, 0, 129}));
  EXPECT_EQ(p[127], (PaletteColor{0, 0, 255}));
  EXPECT_EQ(p[138], (PaletteColor{129, 129, 0}));
  EXPECT_EQ(p[159], (PaletteColor{255, 255, 0}));
  EXPECT_EQ(p[160], (PaletteColor{0, 69, 69}));
  EXPECT_EQ(p[191], (PaletteColor{0, 255, 255}));
  EXPECT_EQ(p[192], (PaletteColor{69, 0, 69}));
  EXPECT_EQ(p[223], (PaletteColor{255, 0, 255}));
  for (int i = 224; i < 256; ++i) EXPECT_EQ(p[i], (PaletteColor{255, 255, 255})) << i;
  // Within each colour ramp every entry is 6 brighter than the one before.
  for (int ramp = 1; ramp < 7; ++ramp)
    for (int k = 1; k < 32; ++k) {
      const PaletteColor a = p[ramp * 32 + k - 1], b = p[ramp * 32 + k];
      EXPECT_EQ(b.red + b.green + b.blue - a.red - a.green - a.blue, ramp >= 4 ? 12 : 6) << ramp << " " << k;
    }
  EXPECT_EQ(p.argb(191), 0xFF00FFFFu);
  EXPECT_EQ(p.argb(42), 0xFF810000u);
}

TEST(GraphColor, SelectionsNameFixedEntriesAndSixteenOrMoreNone) {
  const int expected[16] = {0, 31, 21, 14, 42, 63, 138, 159, 95, 74, 170, 191, 127, 106, 202, 223};
  for (int s = 0; s < 16; ++s) EXPECT_EQ(GraphColorIndex(s), expected[s]) << s;
  EXPECT_FALSE(GraphColorIndex(16).has_value());
  EXPECT_FALSE(GraphColorIndex(1000).has_value());
  EXPECT_FALSE(GraphColorIndex(-1).has_value());

  const int bases[16] = {0, 0, 0, 0, 32, 32, 128, 128, 64, 64, 160, 160, 96, 96, 192, 192};
  for (int s = 0; s < 16; ++s) EXPECT_EQ(ShadeBase(s), bases[s]) << s;
  // Every colour lies in the ramp that shades a surface of that colour.
  for (int s = 4; s < 16; ++s) EXPECT_EQ(*GraphColorIndex(s) / 32 * 32, ShadeBase(s)) << s;
}

TEST(GraphOptions, DefaultAndBlackAndWhiteColumns) {
  const GraphOptions standard = DefaultGraphOptions();
  EXPECT_EQ(standard.color(kBackground), 1);
  EXPECT_EQ(standard.color(kEquationText), kNoColor);
  EXPECT_EQ(standard.color(kCubeEdges), 3);
  EXPECT_EQ(standard.color(kSolidSurface), 11);
  EXPECT_EQ(standard.color(kBackPlaneGrid), 12);
  EXPECT_EQ(standard.color(kBottomPlaneGrid), 5);
  EXPECT_EQ(standard.color(kRightPlaneGrid), 8);
  EXPECT_TRUE(standard.shadeSurface);

  const GraphOptions plain = BlackAndWhiteGraphOptions();
  EXPECT_FALSE(plain.shadeSurface);
  EXPECT_EQ(plain.color(kBackground), 1);
  EXPECT_EQ(plain.color(kSolidSurface), 1);
  EXPECT_EQ(plain.color(kBorderOutline), kNoColor);
  for (const GraphColorElement e : {kEquationText, kCubeEdges, kGrid2DLine, kDataPoints, kBackPlaneGrid, kXLabels,
                                    kBottomPlaneGrid, kYLabels, kRightPlaneGrid, kZLabels})
    EXPECT_EQ(plain.color(e), 0) << e;
  for (const GraphColorElement e : {kBackPlaneSurface, kBottomPlaneSurface, kRightPlaneSurface})
    EXPECT_EQ(plain.color(e), kNoColor) << e;

  DocumentOptions document;
  document.graphColors[kDataPoints] = 7;
  document.shadeSurface = false;
  EXPECT_EQ(GraphOptionsOf(document).color(kDataPoints), 7);
  EXPECT_FALSE(GraphOptionsOf(document).shadeSurface);
}

}  // namespace
}  // namespace rv
