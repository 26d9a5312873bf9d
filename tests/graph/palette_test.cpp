#include <gtest/gtest.h>

#include "base/graph_palette.h"
#include "graph/graph_color.h"
#include "graph/graph_options.h"

namespace rv {
namespace {

TEST(GraphPalette, HoldsEightRampsOfThirtyTwo) {
  const GraphPalette& p = kGraphPalette;
  // The ends of the grey ramp and of every colour ramp, and a step within.
  const std::pair<int, PaletteColor> entries[] = {
      {0, {0, 0, 0}},        {1, {9, 9, 9}},       {28, {252, 252, 252}}, {29, {255, 255, 255}}, {30, {255, 255, 255}},
      {31, {255, 255, 255}}, {32, {69, 0, 0}},     {42, {129, 0, 0}},     {63, {255, 0, 0}},     {64, {0, 69, 0}},
      {95, {0, 255, 0}},     {106, {0, 0, 129}},   {127, {0, 0, 255}},    {138, {129, 129, 0}},  {159, {255, 255, 0}},
      {160, {0, 69, 69}},    {191, {0, 255, 255}}, {192, {69, 0, 69}},    {223, {255, 0, 255}}};
  for (const auto& [index, color] : entries) EXPECT_EQ(p[index], color) << index;
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
  const std::pair<GraphColorElement, std::int32_t> defaults[] = {
      {kBackground, 1},     {kEquationText, kNoColor}, {kCubeEdges, 3},     {kSolidSurface, 11},
      {kBackPlaneGrid, 12}, {kBottomPlaneGrid, 5},     {kRightPlaneGrid, 8}};
  for (const auto& [element, color] : defaults) EXPECT_EQ(standard.color(element), color) << element;
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
