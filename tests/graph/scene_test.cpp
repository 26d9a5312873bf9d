#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/build_scene.h"
#include "graph/view_state.h"
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

std::vector<Primitive> Primitives(const DisplayList& list) {
  std::vector<Primitive> primitives;
  for (const ListCommand& command : list.commands)
    if (const auto* p = std::get_if<Primitive>(&command)) primitives.push_back(*p);
  return primitives;
}

std::vector<RasterText> Texts(const DisplayList& list) {
  std::vector<RasterText> texts;
  for (const ListCommand& command : list.commands)
    if (const auto* t = std::get_if<RasterText>(&command)) texts.push_back(*t);
  return texts;
}

// Y = X1 + X2 over X1 0..10, X2 0..20: values 0 to 30.
GraphModel PlaneModel() {
  static const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  DataSheet sheet = SheetWithRanges({{1, {0.0, 10.0}}, {2, {0.0, 20.0}}});
  sheet.cell(0, 0) = 20.0;
  sheet.cell(0, 1) = 5.0;
  sheet.cell(0, 2) = 10.0;
  return Model(ws, sheet, SurfaceOver(1, 2), {5, 3, 4});
}

TEST(Scene, ListOneMapsTheRangesIntoABoxOrACube) {
  const GraphModel surface = PlaneModel();
  const Scene scene = BuildScene(surface, DefaultGraphOptions());
  const auto& commands = scene.lists[kSurfaceList].commands;
  const auto& scaling = std::get<Scaling>(commands[0]);
  EXPECT_EQ(scaling.x, 1.0 / 10);
  EXPECT_EQ(scaling.y, 1.0 / 30);
  EXPECT_EQ(scaling.z, 1.0 / 20);
  const auto& centring = std::get<Translation>(commands[1]);
  EXPECT_EQ(centring.x, -5.0);
  EXPECT_EQ(centring.y, -15.0);
  EXPECT_EQ(centring.z, -10.0);

  const FitWorkspace line = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 0.0});
  const GraphModel curve = Model(line, SheetWithRanges({{1, {0.0, 10.0}}}), Curve(1));
  const Scene curveScene = BuildScene(curve, DefaultGraphOptions());
  const auto& box = std::get<Scaling>(curveScene.lists[0].commands[0]);
  EXPECT_EQ(box.x, 1.4 / 10);
  EXPECT_EQ(box.z, 1.4 / 20);  // the depth range -10 … 10
  EXPECT_EQ(Primitives(curveScene.lists[0]).size(), 1u);
}

TEST(Scene, AColorOfNoneLeavesItsElementOut) {
  const GraphModel model = PlaneModel();
  const Scene full = BuildScene(model, DefaultGraphOptions());
  // The marker's cross at its centre, and its line to the surface.
  ASSERT_EQ(Primitives(full.lists[kMarkerList]).size(), 2u);
  EXPECT_EQ(Primitives(full.lists[kMarkerList])[0].kind, PrimitiveKind::Markers);
  EXPECT_EQ(Primitives(full.lists[kMarkerList])[0].vertices.size(), 1u);
  EXPECT_EQ(Primitives(full.lists[kMarkerList])[1].vertices.size(), 2u);
  EXPECT_EQ(Primitives(full.lists[kMarkerList])[0].vertices[0].index, 63);  // red

  GraphOptions options = DefaultGraphOptions();
  options.colors[kDataPoints] = kNoColor;
  options.colors[kGrid2DLine] = 17;  // anything above 16 is none as well
  const Scene without = BuildScene(model, options);
  EXPECT_TRUE(without.lists[kMarkerList].commands.empty());
  for (const Primitive& p : Primitives(without.lists[kSurfaceList])) EXPECT_EQ(p.kind, PrimitiveKind::QuadStrip);

  GraphOptions nothing = OnlyColors({});
  const Scene bare = BuildScene(model, nothing);
  EXPECT_EQ(bare.lists[kSurfaceList].commands.size(), 3u);  // the scaling, the centring and the value band only
  for (int list = 1; list < kSceneLists; ++list) EXPECT_TRUE(bare.lists[list].commands.empty()) << list;
  EXPECT_EQ(bare.clearIndex, 31);

  nothing.colors[kBackground] = kNoColor;  // never none: white instead
  EXPECT_EQ(BuildScene(model, nothing).clearIndex, 31);
  nothing.colors[kBackground] = 12;
  EXPECT_EQ(BuildScene(model, nothing).clearIndex, 127);
}

TEST(Scene, WithEveryPlaneOffOnlyTheThreeCubeEdgesAppear) {
  const GraphModel model = PlaneModel();
  const auto planes = Primitives(BuildScene(model, OnlyColors({{kCubeEdges, 3}})).lists[kPlaneList]);
  ASSERT_EQ(planes.size(), 1u);
  EXPECT_EQ(planes[0].kind, PrimitiveKind::Lines);
  const std::vector<std::array<double, 3>> expected = {{0, 30, 0},   {0, 30, 20}, {0, 30, 20},
                                                       {10, 30, 20}, {0, 0, 20},  {0, 30, 20}};
  ASSERT_EQ(planes[0].vertices.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const Vertex& v = planes[0].vertices[i];
    EXPECT_EQ((std::array<double, 3>{v.x, v.y, v.z}), expected[i]) << i;
    EXPECT_EQ(v.index, 14);  // dark grey
  }
}

TEST(Scene, PlanesHaveOutlinesInnerGridLinesAndSurfacesBehindTheirGrids) {
  const GraphModel model = PlaneModel();  // X 5 segments, Y 3, Z 4
  const auto back =
      Primitives(BuildScene(model, OnlyColors({{kBackPlaneGrid, 12}, {kBackPlaneSurface, 2}})).lists[kPlaneList]);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].kind, PrimitiveKind::LineLoop);
  EXPECT_EQ(back[1].vertices.size(), 2u * (2 + 4));  // value lines first, then X lines
  EXPECT_EQ(back[1].vertices[0].y, 10.0);
  EXPECT_EQ(back[1].vertices[4].x, 2.0);
  EXPECT_EQ(back[2].kind, PrimitiveKind::Quads);
  EXPECT_EQ(back[2].vertices[0].z, 0.0 - 20 * 0.0025);
  EXPECT_EQ(back[2].vertices[0].index, 21);

  // Without the grid, the surface lies in the plane itself.
  const auto alone = Primitives(BuildScene(model, OnlyColors({{kRightPlaneSurface, 2}})).lists[kPlaneList]);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].vertices[0].x, 10.0);

  const auto bottom =
      Primitives(BuildScene(model, OnlyColors({{kBottomPlaneGrid, 5}, {kBottomPlaneSurface, 4}})).lists[kPlaneList]);
  ASSERT_EQ(bottom.size(), 3u);
  EXPECT_EQ(bottom[1].vertices[0].x, 2.0);  // lines along Z first
  EXPECT_EQ(bottom[1].vertices[8].z, 5.0);
  EXPECT_EQ(bottom[2].vertices[0].y, 0.0 - 30 * 0.0025);
}

TEST(Scene, ShadeSurfaceSpreadsTheRampFromTheLowestToTheHighestVertex) {
  const GraphModel model = PlaneModel();
  GraphOptions options = OnlyColors({{kSolidSurface, 11}});
  options.shadeSurface = true;
  const auto strips = Primitives(BuildScene(model, options).lists[kSurfaceList]);
  ASSERT_EQ(strips.size(), 20u);
  const double drop = 30 * 0.0025;
  std::vector<Vertex> vertices;
  for (const Primitive& strip : strips) {
    EXPECT_EQ(strip.kind, PrimitiveKind::QuadStrip);
    EXPECT_EQ(strip.vertices.size(), 42u);
    vertices.insert(vertices.end(), strip.vertices.begin(), strip.vertices.end());
  }
  std::sort(vertices.begin(), vertices.end(), [](const Vertex& a, const Vertex& b) { return a.y < b.y; });
  EXPECT_EQ(vertices.front().index, 160);  // the lowest vertex, dark cyan
  EXPECT_EQ(vertices.front().y, 0.0 - drop);
  EXPECT_EQ(vertices.back().index, 191);  // the highest, bright cyan
  for (size_t i = 1; i < vertices.size(); ++i) EXPECT_LE(vertices[i - 1].index, vertices[i].index);
  // Halfway up, 31 × 0.5 truncates to 15.
  const auto middle =
      std::find_if(vertices.begin(), vertices.end(), [drop](const Vertex& v) { return v.y + drop > 14.9; });
  EXPECT_EQ(middle->index, 175);

  options.shadeSurface = false;
  for (const Primitive& strip : Primitives(BuildScene(model, options).lists[kSurfaceList]))
    for (const Vertex& v : strip.vertices) EXPECT_EQ(v.index, 191);

  // The first strip runs along grid row 1, each column's point of row 1
  // before that of row 0.
  const Primitive& first = strips[0];
  EXPECT_EQ(first.vertices[0].z, model.surface.grid[1][0].z);
  EXPECT_EQ(first.vertices[1].z, model.surface.grid[0][0].z);
  EXPECT_EQ(first.vertices[2].x, model.surface.grid[1][1].x);
}

TEST(Scene, NoLineOrQuadTouchesAPointWithoutAValue) {
  // e^X1 overflows from X1 = 750 on: columns 15 to 20 have no value.
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermExp, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  const GraphModel model = Model(ws, SheetWithRanges({{1, {0.0, 1000.0}}, {2, {0.0, 1.0}}}), SurfaceOver(1, 2));
  const auto primitives = Primitives(BuildScene(model, OnlyColors({{kGrid2DLine, 0}, {kSolidSurface, 11}})).lists[0]);
  int alongX = 0, alongZ = 0, strips = 0;
  for (const Primitive& p : primitives) {
    for (const Vertex& v : p.vertices) EXPECT_TRUE(std::isfinite(v.y));
    if (p.kind == PrimitiveKind::QuadStrip) {
      ++strips;
      EXPECT_EQ(p.vertices.size(), 30u);
    } else if (p.vertices.size() == 15) {
      ++alongX;
    } else {
      EXPECT_EQ(p.vertices.size(), 21u);
      ++alongZ;
    }
  }
  EXPECT_EQ(alongX, 21);
  EXPECT_EQ(alongZ, 15);
  EXPECT_EQ(strips, 20);
}

TEST(Scene, NoLineOrQuadCrossesAPole) {
  // Y = (a X1 + c) / (1 - 0.5 X1) has its pole at X1 = 2, between the grid
  // points 1.89 and 2.1: the curve runs up to one and on from the other.
  const FitWorkspace curve =
      Equation(EquationSet::Y, {{kRationalLinear, 1, 0}, {kRationalDenominator, 1, 0}}, {1.0, 0.5, 1.0}, true);
  const GraphModel model = Model(curve, SheetWithRanges({{1, {0.0, 4.2}}}), Curve(1));
  const auto strips = Primitives(BuildScene(model, OnlyColors({{kGrid2DLine, 0}})).lists[0]);
  ASSERT_EQ(strips.size(), 2u);
  EXPECT_LT(strips[0].vertices.back().x, 2.0);
  EXPECT_GT(strips[1].vertices.front().x, 2.0);
  EXPECT_EQ(strips[0].vertices.size() + strips[1].vertices.size(), 21u);

  // a/X2 + X1 over X2 from -1 to 1.1: no wire and no quad joins the two
  // sides of X2 = 0, and the wire grid is drawn on top of the solid.
  const FitWorkspace inverse = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermInvX, 2, 0}}, {1.0, 1.0, 0.0});
  const GraphModel surface = Model(inverse, SheetWithRanges({{1, {0.0, 1.0}}, {2, {-1.0, 1.1}}}), SurfaceOver(1, 2));
  for (const Primitive& p :
       Primitives(BuildScene(surface, OnlyColors({{kGrid2DLine, 0}, {kSolidSurface, 11}})).lists[0])) {
    const bool below = p.vertices.front().z < 0.0;
    for (const Vertex& v : p.vertices) EXPECT_EQ(v.z < 0.0, below);
    EXPECT_EQ(p.onSurface, p.kind == PrimitiveKind::LineStrip);
  }
}

// The labels of a role, in the order recorded.
std::vector<RasterText> OfRole(const std::vector<RasterText>& texts, TextRole role) {
  std::vector<RasterText> of;
  for (const RasterText& t : texts)
    if (t.role == role) of.push_back(t);
  return of;
}

TEST(Scene, LabelsStandAtEveryFineTickBesideTheirAxesAndTheirTextsWaitForTheLayout) {
  GraphModel model = PlaneModel();
  model.yTitle = "AB";
  model.zTitle = "Z~";
  const Scene scene = BuildScene(model, OnlyColors({{kXLabels, 0}, {kYLabels, 5}, {kZLabels, 8}}));
  const auto texts = Texts(scene.lists[kLabelList]);
  // Values 0 … 30 in three segments: a step of 10, ticks every 1.
  const auto y = OfRole(texts, TextRole::YLabel);
  ASSERT_EQ(y.size(), 31u);
  for (size_t k = 0; k < y.size(); ++k) {
    EXPECT_TRUE(y[k].text.empty());
    EXPECT_EQ(y[k].multiple, static_cast<long long>(k));
    EXPECT_EQ(y[k].value, static_cast<double>(k));
    EXPECT_DOUBLE_EQ(y[k].x, 0.0 - 0.05 * 10);  // right of its right end, the gap to the back plane
    EXPECT_EQ(y[k].y, static_cast<double>(k));
    EXPECT_EQ(y[k].align, 1.0);
    EXPECT_TRUE(y[k].middle);
  }
  EXPECT_EQ(y[0].index, 63);
  const auto title = OfRole(texts, TextRole::YTitle);
  ASSERT_EQ(title.size(), 2u);  // one character each, the first lowest
  EXPECT_EQ(title[0].text, "A");
  EXPECT_DOUBLE_EQ(title[0].x, y[0].x - (0.05 + 0.1) * 10);
  EXPECT_DOUBLE_EQ(title[0].y, 15.0 - 0.05 * 30);
  EXPECT_DOUBLE_EQ(title[1].y, 15.0);

  // Z 0 … 20 in four segments: a step of 5, ticks every 0.1, the Z min
  // corner left out.
  const auto z = OfRole(texts, TextRole::ZLabel);
  ASSERT_EQ(z.size(), 200u);
  EXPECT_EQ(z[0].index, 95);
  EXPECT_EQ(z[0].multiple, 1);
  EXPECT_DOUBLE_EQ(z[0].z, 0.1);
  EXPECT_DOUBLE_EQ(z.back().z, 20.0);
  EXPECT_DOUBLE_EQ(z[0].y, 0.0 - 1.0);
  EXPECT_EQ(z[0].align, 1.0);
  const auto zTitle = OfRole(texts, TextRole::ZTitle);
  ASSERT_EQ(zTitle.size(), 1u);
  EXPECT_EQ(zTitle[0].text, "Z~");
  EXPECT_EQ(zTitle[0].z, 10.0);

  // X 0 … 10 in five segments: a step of 2, ticks every 0.1, each centred
  // under its value.
  const auto x = OfRole(texts, TextRole::XLabel);
  ASSERT_EQ(x.size(), 101u);
  EXPECT_DOUBLE_EQ(x[20].x, 2.0);
  EXPECT_EQ(x[20].align, 0.5);
  EXPECT_DOUBLE_EQ(x[20].y, 0.0 - 0.05 * 30);
  EXPECT_DOUBLE_EQ(x[20].z, 20.0 + 0.05 * 20);
  EXPECT_DOUBLE_EQ(OfRole(texts, TextRole::XTitle).at(0).y, 0.0 - 0.125 * 30);

  // The scales the layout chooses the labels shown by.
  ASSERT_EQ(scene.labelAxes.size(), 3u);
  EXPECT_EQ(scene.labelAxes[0].role, TextRole::XLabel);
  EXPECT_DOUBLE_EQ(scene.labelAxes[0].fine, 0.1);
  EXPECT_EQ(scene.labelAxes[0].perStep, 20);
  EXPECT_EQ(scene.labelAxes[1].perStep, 10);
  EXPECT_EQ(scene.labelAxes[2].perStep, 50);
}

TEST(Scene, ACurveKeepsItsLabelsInItsOwnPlane) {
  const FitWorkspace line = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 0.0});
  const GraphModel curve = Model(line, SheetWithRanges({{1, {0.0, 10.0}}}), Curve(1));
  const auto texts = Texts(BuildScene(curve, DefaultGraphOptions()).lists[kLabelList]);
  for (const RasterText& t : texts) EXPECT_EQ(t.z, 0.0);
  const auto y = OfRole(texts, TextRole::YLabel);
  ASSERT_FALSE(y.empty());
  EXPECT_DOUBLE_EQ(y[0].x, 0.0 - 0.025 * 10);
  EXPECT_DOUBLE_EQ(OfRole(texts, TextRole::YTitle).at(0).x, y[0].x - (0.025 + 0.05) * 10);  // the Y title "Y"

  const auto planes = Primitives(BuildScene(curve, DefaultGraphOptions()).lists[kPlaneList]);
  ASSERT_EQ(planes.size(), 2u);  // the back plane only, without cube edges
  for (const Primitive& p : planes)
    for (const Vertex& v : p.vertices) EXPECT_EQ(v.z, 0.0);
}

TEST(ViewState, DefaultAnglesAreFaceOnForACurveAndThirtyDegreesForASurface) {
  ViewState view;
  view.zoom = {-0.5, 0.2, -0.1, 0.3};
  ResetView(view, 1);
  EXPECT_EQ(view.horizontalAngle, 0.0);
  EXPECT_EQ(view.verticalAngle, 0.0);
  EXPECT_EQ(view.zoom, ZoomBounds{});
  ResetView(view, 2);
  EXPECT_EQ(view.horizontalPosition, 210);
  EXPECT_EQ(view.horizontalAngle, 30.0);
  EXPECT_EQ(view.verticalAngle, 30.0);

  SetAnglePositions(view, 0, 400);
  EXPECT_EQ(view.verticalPosition, 360);
  StepRotation(view);
  EXPECT_EQ(view.horizontalPosition, 359);
  EXPECT_EQ(view.horizontalAngle, 179.0);
}

TEST(ViewState, ADragZoomsIntoItsRectangleNeverPastTheFullView) {
  // A main window of 900 × 700: a viewport of side 668 at x 66, reaching 20
  // pixels below a picture 640 high; its centre shows at (400, 326).
  const Viewport viewport = GraphWindowViewport(900, 700);
  ViewState view;
  FinishZoomDrag(view, {400, 326, 567, 493}, viewport, 640);
  EXPECT_DOUBLE_EQ(view.zoom.left, 0.0);
  EXPECT_DOUBLE_EQ(view.zoom.right, 0.5);
  EXPECT_DOUBLE_EQ(view.zoom.top, 0.0);
  EXPECT_DOUBLE_EQ(view.zoom.bottom, -0.5);
  // The same rectangle again zooms into the quarter shown.
  FinishZoomDrag(view, {400, 326, 567, 493}, viewport, 640);
  EXPECT_DOUBLE_EQ(view.zoom.left, 0.25);
  EXPECT_DOUBLE_EQ(view.zoom.bottom, -0.375);

  FinishZoomDrag(view, {0, 0, 8, 20}, viewport, 640);  // too narrow: back to the full view
  EXPECT_EQ(view.zoom, ZoomBounds{});
  FinishZoomDrag(view, {-2000, -2000, 2000, 2000}, viewport, 640);
  EXPECT_EQ(view.zoom, ZoomBounds{});
  FinishZoomDrag(view, {1200, 100, 1300, 200}, viewport, 640);  // wholly right of the view
  EXPECT_EQ(view.zoom, ZoomBounds{});
}

TEST(ViewState, AZoomShowsWhatTheDraggedRectangleFramed) {
  // Whatever the picture's height, the pixel at a rectangle's corner is where
  // the new view's corner falls: the dragged part fills the view.
  const Viewport viewport = GraphWindowViewport(632, 420);
  for (const int pictureHeight : {360, 343}) {
    ViewState view;
    const PixelRect rect{150, 60, 250, 160};
    FinishZoomDrag(view, rect, viewport, pictureHeight);
    const auto deviceX = [&](int x) { return (x - viewport.x) / (viewport.width / 2.0) - 1.0; };
    const auto deviceY = [&](int y) { return (pictureHeight - y - viewport.y) / (viewport.height / 2.0) - 1.0; };
    EXPECT_DOUBLE_EQ(view.zoom.left, deviceX(rect.left)) << pictureHeight;
    EXPECT_DOUBLE_EQ(view.zoom.right, deviceX(rect.right)) << pictureHeight;
    EXPECT_NEAR(view.zoom.top, deviceY(rect.top), 1e-12) << pictureHeight;
    EXPECT_NEAR(view.zoom.bottom, deviceY(rect.bottom), 1e-12) << pictureHeight;
  }
}

}  // namespace
}  // namespace rv
