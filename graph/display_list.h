#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rv {

// The primitives a display list records, named after the drawing modes they
// stand for: GL_LINE_STRIP, GL_LINE_LOOP, GL_LINES, GL_QUADS, GL_QUAD_STRIP;
// and Markers, a diagonal cross at each vertex as many pixels wide however
// the view is zoomed.
enum class PrimitiveKind { LineStrip, LineLoop, Lines, Quads, QuadStrip, Markers };

// A vertex in graph coordinates (x, value, z) with the colour index current
// when it was recorded.
struct Vertex {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  std::uint8_t index = 0;
};

struct Primitive {
  PrimitiveKind kind = PrimitiveKind::Lines;
  std::vector<Vertex> vertices;
  // The curve and the wire grid of the surface are drawn a little nearer
  // than their place, so that where they meet the solid surface (or, for a
  // curve, the back plane's grid in its own plane) at the same depth, they
  // win every pixel and stay whole.
  bool onSurface = false;
};

// What a text of the picture is, for laying the texts out on the picture:
// the labels of one axis are thinned together, and a title keeps clear of
// its axis's labels.
enum class TextRole : std::uint8_t { Free, XLabel, YLabel, ZLabel, XTitle, YTitle, ZTitle };

// Text drawn with the glyph set at a raster position, in one colour index.
// Consecutive texts of one title role are one title (the Y title stands one
// character per raster position). An axis label is a tick: its text is made
// when the picture is laid out, for the step between the labels shown.
struct RasterText {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  std::uint8_t index = 0;
  std::string text;
  TextRole role = TextRole::Free;
  // Where the text stands across its raster position, in window pixels: 0
  // its left end there, 0.5 its middle, 1 its right end; and whether the
  // middle of its digits (rather than its baseline) is at the position.
  double align = 0.0;
  bool middle = false;
  // A label's tick: a multiple of its axis's fine step, and its value.
  long long multiple = 0;
  double value = 0.0;
};

// The band of values the primitives after it in its list are cut to: what
// lies outside low ≤ y ≤ high (graph coordinates) is not drawn.
struct ValueBand {
  double low = 0.0;
  double high = 0.0;
};

// Transforms recorded in a list multiply the current matrix, so they also
// apply to every list called after it in the same frame.
struct Scaling {
  double x = 1.0, y = 1.0, z = 1.0;
};
struct Translation {
  double x = 0.0, y = 0.0, z = 0.0;
};

using ListCommand = std::variant<Scaling, Translation, Primitive, RasterText, ValueBand>;

struct DisplayList {
  std::vector<ListCommand> commands;
};

// The four lists of a graph, called in this order every frame: the curve or
// surface (with the scaling that maps the ranges into the view volume), the
// data-point markers, the planes with their grids and the cube edges, the
// labels. clearIndex is the Background's palette index.
inline constexpr int kSceneLists = 4;
enum SceneList : int { kSurfaceList = 0, kMarkerList = 1, kPlaneList = 2, kLabelList = 3 };

// The labels of one axis: the power of ten its ticks are multiples of, and
// how many of those make the step its labels stand apart in the whole view.
struct LabelAxis {
  TextRole role = TextRole::Free;
  double fine = 0.0;
  long long perStep = 1;
};

struct Scene {
  std::array<DisplayList, kSceneLists> lists;
  std::uint8_t clearIndex = 31;
  std::vector<LabelAxis> labelAxes;
};

}  // namespace rv
