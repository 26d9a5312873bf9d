#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "graph/build_scene.h"
#include "graph/draw_scene.h"
#include "graph/graph_picture.h"
#include "graph/rasterize.h"
#include "graph/transform.h"
#include "graph_fixtures.h"

namespace rv {
namespace {

using testing::BlockGlyphs;
using testing::Curve;
using testing::Equation;
using testing::Model;
using testing::OnlyColors;
using testing::SheetWithRanges;
using testing::SurfaceOver;

constexpr std::uint8_t kWhite = 31;

// The pixel in column x whose row counts upward from the bottom, as window
// coordinates do.
std::uint8_t Up(const FrameBuffer& frame, int x, int rowFromBottom) {
  return frame.at(x, frame.height - 1 - rowFromBottom);
}

Scene SceneOf(std::initializer_list<ListCommand> commands) {
  Scene scene;
  scene.clearIndex = kWhite;
  scene.lists[0].commands = commands;
  return scene;
}

GlyphSet DotGlyphs() {
  GlyphSet set;
  for (GlyphBitmap& glyph : set.glyphs) {
    glyph.width = glyph.height = 1;
    glyph.advance = 1;
    glyph.bits = {1};
  }
  return set;
}

// Looking straight at the picture: no rotation, full zoom.
ViewState FaceOn() {
  ViewState view;
  ResetView(view, 1);
  return view;
}

ViewState Angles(double horizontal, double vertical) {
  ViewState view;
  view.horizontalAngle = horizontal;
  view.verticalAngle = vertical;
  return view;
}

TEST(Transforms, FollowTheFixedFunctionMatrices) {
  const Point3 flipped = OrthoTransform(-1, 1, -1, 1, -1, 1).apply({0.25, -0.5, 0.75});
  EXPECT_EQ(flipped.x, 0.25);
  EXPECT_EQ(flipped.y, -0.5);
  EXPECT_EQ(flipped.z, -0.75);  // the eye looks down -z: larger z is nearer
  const Point3 zoomed = OrthoTransform(0, 0.5, -0.5, 0, -1, 1).apply({0.25, -0.25, 0});
  EXPECT_EQ(zoomed.x, 0.0);
  EXPECT_EQ(zoomed.y, 0.0);

  const Point3 aboutY = RotationTransform(90, 0, 1, 0).apply({1, 0, 0});
  EXPECT_NEAR(aboutY.x, 0.0, 1e-15);
  EXPECT_NEAR(aboutY.z, -1.0, 1e-15);
  const Point3 aboutX = RotationTransform(90, 2, 0, 0).apply({0, 1, 0});  // the axis is normalised
  EXPECT_NEAR(aboutX.y, 0.0, 1e-15);
  EXPECT_NEAR(aboutX.z, 1.0, 1e-15);

  // Each call multiplies on the right: the last transform meets the point first.
  const Point3 p = (ScalingTransform(2, 3, 4) * TranslationTransform(1, 1, 1)).apply({1, 2, 3});
  EXPECT_EQ(p.x, 4.0);
  EXPECT_EQ(p.y, 9.0);
  EXPECT_EQ(p.z, 16.0);
}

TEST(Rasterizer, LinesCoverThePixelCentresFromTheStartUpToTheEnd) {
  RenderTarget target(20, 10, {0, 0, 20, 10});
  ClearTarget(target, kWhite);
  RasterizeLine(target, {2.2, 3.5, 0.5, 7}, {9.7, 3.4, 0.5, 7});
  for (int x = 0; x < 20; ++x) EXPECT_EQ(Up(target.frame, x, 3), x >= 2 && x <= 9 ? 7 : kWhite) << x;

  // Backwards the same centres are covered; a steep line steps by rows.
  ClearTarget(target, kWhite);
  RasterizeLine(target, {9.7, 3.5, 0.5, 7}, {2.2, 3.5, 0.5, 7});
  EXPECT_EQ(Up(target.frame, 2, 3), 7);
  EXPECT_EQ(Up(target.frame, 9, 3), 7);
  EXPECT_EQ(Up(target.frame, 10, 3), kWhite);
  RasterizeLine(target, {15.3, 0.0, 0.5, 9}, {16.3, 10.0, 0.5, 9});
  int covered = 0;
  for (int y = 0; y < 10; ++y) covered += Up(target.frame, y < 7 ? 15 : 16, y) == 9;
  EXPECT_EQ(covered, 10);
}

TEST(Rasterizer, TheNearerFragmentWinsWhicheverIsDrawnFirst) {
  const RasterVertex a{0, 0, 0, 0}, b{20, 0, 0, 0}, c{0, 20, 0, 0};
  auto with = [](RasterVertex v, double z, double index) { return RasterVertex{v.x, v.y, z, index}; };
  for (const bool nearFirst : {true, false}) {
    RenderTarget target(10, 10, {0, 0, 10, 10});
    ClearTarget(target, kWhite);
    auto draw = [&](double z, double index) {
      RasterizeTriangle(target, with(a, z, index), with(b, z, index), with(c, z, index));
    };
    if (nearFirst) {
      draw(0.25, 40);
      draw(0.5, 70);
    } else {
      draw(0.5, 70);
      draw(0.25, 40);
    }
    EXPECT_EQ(Up(target.frame, 3, 3), 40) << nearFirst;
    // GL_LESS: a fragment at the same depth does not replace what is there.
    draw(0.25, 99);
    EXPECT_EQ(Up(target.frame, 3, 3), 40);
    // Nothing lies beyond the far plane the depth buffer is cleared to.
    ClearTarget(target, kWhite);
    draw(1.0, 50);
    EXPECT_EQ(Up(target.frame, 3, 3), kWhite);
  }
}

TEST(Rasterizer, TrianglesSharingAnEdgeNeitherOverlapNorLeaveAGap) {
  RenderTarget target(16, 16, {0, 0, 16, 16});
  ClearTarget(target, kWhite);
  // Two halves of a square split along its diagonal, at depths such that
  // the second would replace the first wherever both reach.
  RasterizeTriangle(target, {1, 1, 0.6, 10}, {15, 1, 0.6, 10}, {15, 15, 0.6, 10});
  RasterizeTriangle(target, {1, 1, 0.4, 20}, {15, 15, 0.4, 20}, {1, 15, 0.4, 20});
  int first = 0, second = 0, empty = 0;
  for (int y = 1; y < 15; ++y)
    for (int x = 1; x < 15; ++x) {
      const std::uint8_t i = Up(target.frame, x, y);
      first += i == 10;
      second += i == 20;
      empty += i == kWhite;
    }
  // The centres on the diagonal belong to the first triangle alone (its
  // left edge): drawn by both, the nearer second one would have taken them.
  EXPECT_EQ(empty, 0);
  EXPECT_EQ(first, 91 + 14);
  EXPECT_EQ(second, 91);
}

TEST(Rasterizer, SmoothShadingInterpolatesTheColourIndexAcrossAPolygon) {
  RenderTarget target(32, 32, {0, 0, 32, 32});
  ClearTarget(target, kWhite);
  RasterizeTriangle(target, {0, 0, 0.5, 160}, {32, 0, 0.5, 191}, {0, 32, 0.5, 160});
  EXPECT_EQ(Up(target.frame, 0, 0), 160);
  EXPECT_EQ(Up(target.frame, 30, 0), 190);  // 31 × 30.5 / 32 above 160, to the nearest index
  EXPECT_EQ(Up(target.frame, 15, 5), 175);
  for (int x = 1; x < 25; ++x) EXPECT_LE(Up(target.frame, x - 1, 3), Up(target.frame, x, 3));
}

TEST(DrawScene, RotatingByNinetyDegreesMovesAPointWhereTheMatricesSay) {
  // A dot at (0.5, 0.125, 0.25) in a 100 × 100 picture.
  const Scene scene = SceneOf({RasterText{0.5, 0.125, 0.25, 5, "*"}});
  RenderTarget target(100, 100, PictureViewport(100));
  auto dotAt = [&](int x, int rowFromBottom) {
    int dots = 0;
    for (const std::uint8_t i : target.frame.pixels) dots += i == 5;
    return dots == 1 && Up(target.frame, x, rowFromBottom) == 5;
  };
  DrawScene(scene, DotGlyphs(), Angles(0, 0), target);
  EXPECT_TRUE(dotAt(75, 56));
  // About the vertical axis: x' = z, z' = -x.
  DrawScene(scene, DotGlyphs(), Angles(90, 0), target);
  EXPECT_TRUE(dotAt(62, 56));
  // About the horizontal axis: y' = -z, z' = y.
  DrawScene(scene, DotGlyphs(), Angles(0, 90), target);
  EXPECT_TRUE(dotAt(75, 37));
  // Both: the vertical rotation meets the point first, (0.5, -0.25, 0.125),
  // then the horizontal one, (0.125, -0.25, -0.5).
  DrawScene(scene, DotGlyphs(), Angles(90, 90), target);
  EXPECT_TRUE(dotAt(56, 37));
  // Zoomed into the right half, the dot moves left by the zoom's centre.
  ViewState zoomed = Angles(0, 0);
  zoomed.zoom = {0.0, 1.0, -0.5, 0.5};
  DrawScene(scene, DotGlyphs(), zoomed, target);
  EXPECT_TRUE(dotAt(50, 62));
}

TEST(DrawScene, TextIsShiftedOntoThePictureNeverDropped) {
  // Texts whose raster positions lie right of the picture, behind the view
  // volume and past its top-left corner each come back whole, inside.
  GlyphSet wide = BlockGlyphs();
  wide.glyphs['*' - kFirstGlyph].xOrigin = 10;  // reaches 10 pixels left of its origin
  RenderTarget target(100, 100, PictureViewport(100));
  DrawScene(SceneOf({RasterText{1.02, 0.0, 0.0, 5, "*-+"}}), wide, Angles(0, 0), target);
  // The text ends with the last advance, 13 pixels past the edge: its
  // origin moves from 101 to 88, "*" 3 wide from 10 left of it, "-" and "+"
  // 4 apart after it.
  for (const int x : {78, 80, 92, 94, 96, 98}) EXPECT_EQ(Up(target.frame, x, 50), 5) << x;
  for (const int x : {77, 81, 95, 99}) EXPECT_EQ(Up(target.frame, x, 50), kWhite) << x;

  DrawScene(SceneOf({RasterText{0.0, 0.0, 1.5, 7, "*"}, RasterText{-3.0, 3.0, 0.0, 9, "**"}}), BlockGlyphs(),
            Angles(0, 0), target);
  EXPECT_EQ(Up(target.frame, 50, 50), 7) << "behind the view volume, drawn at its far end";
  for (const int x : {0, 2, 4, 6}) EXPECT_EQ(Up(target.frame, x, 99), 9) << x;
  EXPECT_EQ(Up(target.frame, 0, 95), 9);
  EXPECT_EQ(Up(target.frame, 0, 94), kWhite);
}

TEST(DrawScene, AViewportLargerThanThePictureAndBelowItsEdgeIsCutToThePicture) {
  // The graph window's way: a square viewport reaching 20 pixels below the
  // picture and past both sides.
  RenderTarget target(100, 80, {-10, -20, 120, 120});
  const Scene scene =
      SceneOf({Primitive{PrimitiveKind::Lines, {{-2, 0.5, 0, 9}, {2, 0.5, 0, 9}}}, RasterText{0.0, 0.0, 0.0, 5, "*"}});
  DrawScene(scene, DotGlyphs(), Angles(0, 0), target);
  for (int x = 0; x < 100; ++x) {
    EXPECT_EQ(Up(target.frame, x, 70), 9) << x;  // (0.5 + 1) × 60 - 20
    EXPECT_EQ(Up(target.frame, x, 69), kWhite) << x;
  }
  EXPECT_EQ(Up(target.frame, 50, 40), 5);

  // A square over the whole view volume covers every pixel of the picture.
  DrawScene(SceneOf({Primitive{PrimitiveKind::Quads, {{-1, -1, 0, 3}, {1, -1, 0, 3}, {1, 1, 0, 3}, {-1, 1, 0, 3}}}}),
            DotGlyphs(), Angles(0, 0), target);
  for (const std::uint8_t i : target.frame.pixels) ASSERT_EQ(i, 3);
}

TEST(DrawScene, PrimitivesWithoutFiniteCoordinatesAreLeftOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  RenderTarget target(50, 50, PictureViewport(50));
  DrawScene(SceneOf({Primitive{PrimitiveKind::LineStrip, {{0, 0, 0, 9}, {nan, 0, 0, 9}, {0.5, 0.5, 0, 9}}},
                     Primitive{PrimitiveKind::QuadStrip, {{0, 0, 0, 9}, {0, 1, 0, 9}, {1, 0, inf, 9}, {1, 1, 0, 9}}},
                     RasterText{nan, 0, 0, 9, "*"}}),
            DotGlyphs(), Angles(0, 0), target);
  for (const std::uint8_t i : target.frame.pixels) ASSERT_EQ(i, kWhite);
}

// Y = X1 over 0 to 10: a box 1.4 wide maps X and the value alike, so X = u
// lands at window x = ((u - 5) × 0.14 + 1) × 320 of a 640 picture, and a
// value v at the same height from the bottom.
double Window(double u) { return ((u - 5.0) * 0.14 + 1.0) * 320.0; }

TEST(GraphPicture, ACurveShowsItsLineGridMarkerAndLabelsWhereTheyBelong) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 0.0});
  DataSheet sheet = SheetWithRanges({{1, {0.0, 10.0}}});
  sheet.cell(0, 0) = 6.1;
  sheet.cell(0, 1) = 4.3;
  const GraphModel model = Model(ws, sheet, Curve(1));
  const GraphOptions options =
      OnlyColors({{kBackPlaneGrid, 12}, {kGrid2DLine, 0}, {kDataPoints, 5}, {kXLabels, 0}, {kYLabels, 0}});
  const FrameBuffer picture = RenderGraphPicture(BuildScene(model, options), BlockGlyphs(), FaceOn());
  ASSERT_EQ(picture.width, 640);

  // The back plane's grid line at X 3, at the height of value 6.5.
  EXPECT_EQ(Up(picture, static_cast<int>(Window(3.0)), static_cast<int>(Window(6.5))), 127);
  EXPECT_EQ(Up(picture, static_cast<int>(Window(3.0)) + 2, static_cast<int>(Window(6.5))), kWhite);
  // The curve Y = X1 runs along the diagonal.
  EXPECT_EQ(Up(picture, 377, 377), 0);
  EXPECT_EQ(Up(picture, 377, 380), kWhite);
  // The marker of (4.3, 6.1): its cross, and the line down to the curve.
  EXPECT_EQ(Up(picture, static_cast<int>(Window(4.3)), static_cast<int>(Window(6.1))), 63);
  EXPECT_EQ(Up(picture, static_cast<int>(Window(4.3)), static_cast<int>(Window(5.2))), 63);
  EXPECT_EQ(Up(picture, static_cast<int>(Window(4.3)) + 3, static_cast<int>(Window(5.2))), kWhite);

  // The X label "5": one block glyph, 4 pixels of advance, centred under
  // X 5, its baseline at value -0.5.
  const int left = static_cast<int>(std::floor(Window(5.0) - 2.0));
  const int bottom = static_cast<int>(Window(-0.5));
  for (int dx = 0; dx < 3; ++dx)
    for (int dy = 0; dy < 5; ++dy) EXPECT_EQ(Up(picture, left + dx, bottom + dy), 0) << dx << " " << dy;
  EXPECT_EQ(Up(picture, left + 3, bottom + 2), kWhite);
  EXPECT_EQ(Up(picture, left, bottom + 5), kWhite);
  // The top Y label "10": two glyphs, the second one advance further, its
  // right end a quarter of a unit left of the plane, the middle of its 5
  // pixels of ascent at value 10.
  const int labelX = static_cast<int>(std::floor(Window(0.0 - 0.025 * 10) - 8.0));
  const int labelY = static_cast<int>(std::floor(Window(10.0) - 2.5)) + 2;
  EXPECT_EQ(Up(picture, labelX, labelY), 0);
  EXPECT_EQ(Up(picture, labelX + 3, labelY), kWhite);
  EXPECT_EQ(Up(picture, labelX + 4, labelY), 0);
}

// Y = X2 over X1, X2 0 to 10: the surface rises towards the viewer, in
// front of the back plane everywhere.
GraphModel RisingSurface() {
  static const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {0.0, 1.0, 0.0});
  return Model(ws, SheetWithRanges({{1, {0.0, 10.0}}, {2, {0.0, 10.0}}}), SurfaceOver(1, 2));
}

// Whether the back plane's grid line at X 3 (window x 256) shows at the
// height of window y 350.
bool BackGridShows(const FrameBuffer& picture) {
  for (int x = 253; x <= 259; ++x)
    if (Up(picture, x, 350) == 127) return true;
  return false;
}

TEST(GraphPicture, TheDepthTestHidesWhatLiesBehindTheSurface) {
  const GraphModel model = RisingSurface();
  const GraphOptions grid = OnlyColors({{kBackPlaneGrid, 12}});
  const GraphOptions both = OnlyColors({{kBackPlaneGrid, 12}, {kSolidSurface, 11}});
  EXPECT_TRUE(BackGridShows(RenderGraphPicture(BuildScene(model, grid), BlockGlyphs(), Angles(0, 0))));
  const FrameBuffer front = RenderGraphPicture(BuildScene(model, both), BlockGlyphs(), Angles(0, 0));
  EXPECT_FALSE(BackGridShows(front));
  EXPECT_EQ(Up(front, 256, 350), 191);
  // Turned round, the back plane is in front of the surface.
  EXPECT_TRUE(BackGridShows(RenderGraphPicture(BuildScene(model, both), BlockGlyphs(), Angles(180, 0))));
}

TEST(GraphPicture, ShadeSurfaceRunsFromTheDarkToTheBrightEndOfTheRamp) {
  // Y = X1 + X2 seen from above: the lowest corner (0, 0) at window
  // (160, 480), the highest (10, 10) at (480, 160).
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  const GraphModel model = Model(ws, SheetWithRanges({{1, {0.0, 10.0}}, {2, {0.0, 10.0}}}), SurfaceOver(1, 2));
  GraphOptions options = OnlyColors({{kSolidSurface, 11}});
  options.shadeSurface = true;
  const FrameBuffer picture = RenderGraphPicture(BuildScene(model, options), BlockGlyphs(), Angles(0, 90));
  EXPECT_EQ(Up(picture, 160, 479), 160);
  EXPECT_EQ(Up(picture, 479, 160), 191);
  EXPECT_EQ(Up(picture, 159, 479), kWhite);
  for (int k = 1; k < 320; ++k) EXPECT_LE(Up(picture, 159 + k, 480 - k), Up(picture, 160 + k, 479 - k)) << k;
}

// Whether the index shows within a pixel of (x, rowFromBottom).
bool Near(const FrameBuffer& frame, double x, double rowFromBottom, std::uint8_t index) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Up(frame, static_cast<int>(x) + dx, static_cast<int>(rowFromBottom) + dy) == index) return true;
  return false;
}

TEST(GraphPicture, TheDefaultSurfaceViewTurnsTheCubeThirtyDegreesBothWays) {
  // The unit cube centred on the origin; the edge from the near upper left
  // corner to the back, at its middle, is the point (-0.5, 0.5, 0). Turned
  // 30° about the horizontal axis, then 30° about the vertical axis:
  const double c = std::cos(std::numbers::pi / 6), s = std::sin(std::numbers::pi / 6);
  const double y1 = 0.5 * c, z1 = 0.5 * s;  // about X: y' = y c - z s, z' = y s + z c
  const double x2 = -0.5 * c + z1 * s;      // about Y: x' = x c + z s
  ViewState view;
  ResetView(view, 2);
  const GraphModel model = RisingSurface();
  const FrameBuffer picture = RenderGraphPicture(BuildScene(model, OnlyColors({{kCubeEdges, 3}})), BlockGlyphs(), view);
  EXPECT_TRUE(Near(picture, (x2 + 1) * 320, (y1 + 1) * 320, 14));
  // The same point face-on lies elsewhere, and nothing else is drawn there.
  EXPECT_FALSE(Near(picture, 0.5 * 320, 1.5 * 320, 14));
  int drawn = 0;
  for (const std::uint8_t i : picture.pixels) drawn += i != kWhite;
  EXPECT_GT(drawn, 3 * 200);
  EXPECT_LT(drawn, 3 * 400);
}

TEST(GraphPicture, TheBorderOutlineIsTwoRectanglesOnTheEdge) {
  FrameBuffer picture(8, 6, kWhite);
  DrawBorderOutline(picture, OnlyColors({}));
  for (const std::uint8_t i : picture.pixels) ASSERT_EQ(i, kWhite);
  DrawBorderOutline(picture, OnlyColors({{kBorderOutline, 4}}));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool ring = x <= 1 || y <= 1 || x >= 6 || y >= 4;
      EXPECT_EQ(picture.at(x, y), ring ? 42 : kWhite) << x << " " << y;
    }
}

TEST(GraphPicture, TheSameSceneGivesTheSamePictureEveryTime) {
  const GraphModel model = RisingSurface();
  const Scene scene = BuildScene(model, DefaultGraphOptions());
  ViewState view;
  ResetView(view, 2);
  const FrameBuffer first = RenderGraphPicture(scene, BlockGlyphs(), view);
  RenderTarget target(640, 640, PictureViewport(640));
  DrawScene(scene, BlockGlyphs(), Angles(-60, 10), target);
  DrawScene(scene, BlockGlyphs(), view, target);
  EXPECT_EQ(target.frame.pixels, first.pixels);
}

}  // namespace
}  // namespace rv
