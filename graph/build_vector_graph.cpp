#include "graph/build_vector_graph.h"

#include <algorithm>
#include <cmath>

#include "base/graph_palette.h"
#include "graph/graph_color.h"
#include "graph/graph_picture.h"
#include "graph/project_scene.h"

namespace rv {

namespace {

// At the 640-pixel picture's size; a larger picture scales them.
constexpr int kLargestEquationCell = 32;
constexpr int kEquationTop = 20;

int Scaled(int pixels, int size) { return std::max(pixels, pixels * size / kPictureSize); }

std::uint32_t Rgb(double index) {
  return kGraphPalette.argb(static_cast<int>(std::clamp(std::floor(index + 0.5), 0.0, 255.0))) & 0xFFFFFFu;
}

// A line or a triangle of the frame in window coordinates, with the depth
// it is painted by.
struct DepthPiece {
  double depth = 0.0;
  int corners = 2;
  RasterVertex v[3];
};

RasterVertex Between(const RasterVertex& a, const RasterVertex& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.index + (b.index - a.index) * t};
}

// Keeps what a frame projects, to be painted afterwards in depth order. A
// long line is cut into pieces no longer than the surface's cells, so that
// each piece is ordered against the polygons beside it, not by the middle
// of the whole line.
class DepthSink : public SceneSink {
 public:
  explicit DepthSink(double longestPiece) : longestPiece_(longestPiece) {}

  // A piece of the wire grid goes by its nearer end and a little nearer
  // still, so that it comes after the polygons whose edges it runs along,
  // however steeply they turn away.
  void line(const RasterVertex& a, const RasterVertex& b, bool onSurface) override {
    const int count = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / longestPiece_)));
    for (int k = 0; k < count; ++k) {
      const RasterVertex from = Between(a, b, static_cast<double>(k) / count);
      const RasterVertex to = Between(a, b, static_cast<double>(k + 1) / count);
      const double depth = onSurface ? std::min(from.z, to.z) - kSurfaceLineBias : (from.z + to.z) / 2;
      pieces.push_back({depth, 2, {from, to, {}}});
    }
  }
  // A large triangle (a steep face of the surface) is halved across its
  // longest side until each piece is small, for the same reason.
  void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) override {
    const double ab = std::hypot(b.x - a.x, b.y - a.y);
    const double bc = std::hypot(c.x - b.x, c.y - b.y);
    const double ca = std::hypot(a.x - c.x, a.y - c.y);
    const double longest = std::max({ab, bc, ca});
    if (longest <= 2 * longestPiece_ || !std::isfinite(longest)) {
      pieces.push_back({(a.z + b.z + c.z) / 3, 3, {a, b, c}});
      return;
    }
    if (longest == ab) {
      const RasterVertex m = Between(a, b, 0.5);
      triangle(a, m, c);
      triangle(m, b, c);
    } else if (longest == bc) {
      const RasterVertex m = Between(b, c, 0.5);
      triangle(a, b, m);
      triangle(a, m, c);
    } else {
      const RasterVertex m = Between(c, a, 0.5);
      triangle(a, b, m);
      triangle(m, b, c);
    }
  }
  void text(const TextBlock& block) override { texts.push_back(block); }

  std::vector<DepthPiece> pieces;
  std::vector<TextBlock> texts;

 private:
  double longestPiece_;
};

}  // namespace

int EquationTextCell(int size, const std::string& text) {
  if (text.empty()) return 0;
  return std::min(size * 2 / static_cast<int>(text.size()), Scaled(kLargestEquationCell, size));
}

int EquationTextTop(int size) { return Scaled(kEquationTop, size); }

VectorGraph BuildVectorGraph(const Scene& scene, const GlyphSet& glyphs, int labelCell, const ViewState& view,
                             const GraphOptions& options, const std::string& equationText, int size) {
  VectorGraph graph;
  graph.size = size;
  graph.background = Rgb(scene.clearIndex);
  graph.lineWidth = PictureLineWidth(size);
  graph.labelCell = labelCell;

  DepthSink frame(size / 40.0);
  ProjectScene(scene, glyphs, view, {PictureViewport(size), size, size}, frame);
  // Far before near: what is nearer covers what lies behind it, as the
  // depth test decides in the raster picture.
  std::stable_sort(frame.pieces.begin(), frame.pieces.end(),
                   [](const DepthPiece& a, const DepthPiece& b) { return a.depth > b.depth; });
  graph.pieces.reserve(frame.pieces.size());
  for (const DepthPiece& depthPiece : frame.pieces) {
    VectorGraph::Piece piece;
    piece.corners = depthPiece.corners;
    double index = 0.0;
    // Window y runs upward from the bottom row, the picture's downward.
    for (int k = 0; k < piece.corners; ++k) {
      piece.x[k] = depthPiece.v[k].x;
      piece.y[k] = size - depthPiece.v[k].y;
      index += depthPiece.v[k].index;
    }
    piece.rgb = Rgb(index / piece.corners);
    graph.pieces.push_back(piece);
  }
  for (const TextBlock& block : frame.texts)
    for (const TextRun& run : block.runs) graph.labels.push_back({run.x, size - run.y, run.text, Rgb(block.index)});

  if (const auto index = GraphColorIndex(options.color(kEquationText))) {
    graph.equation = equationText;
    graph.equationRgb = Rgb(*index);
    graph.equationCell = EquationTextCell(size, equationText);
    graph.equationTop = EquationTextTop(size);
  }
  if (const auto index = GraphColorIndex(options.color(kBorderOutline))) {
    graph.border = Rgb(*index);
    graph.borderWidth = 2 * graph.lineWidth;
  }
  return graph;
}

}  // namespace rv
