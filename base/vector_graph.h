#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The graph as a picture of vectors: the frame the raster picture is drawn
// from (lines and the surface's triangles, in the order they are painted,
// far to near), the laid-out labels as texts, the equation text across the
// top and the border outline. Units are the picture's pixels, size × size,
// y downward from the top left corner; colours are 0xRRGGBB. SVG, PDF and
// the printed graph are all drawn from it.
struct VectorGraph {
  // A line (two corners) or a filled triangle (three).
  struct Piece {
    int corners = 2;
    double x[3] = {};
    double y[3] = {};
    std::uint32_t rgb = 0;
  };
  // A label's text with its baseline origin.
  struct Label {
    double x = 0.0;
    double y = 0.0;
    std::string text;
    std::uint32_t rgb = 0;
  };

  int size = 0;
  std::uint32_t background = 0xFFFFFF;
  double lineWidth = 1.0;
  std::vector<Piece> pieces;
  int labelCell = 0;  // the label font's cell height
  std::vector<Label> labels;
  // The equation centred across the top: its font's cell height (0 for no
  // text) and the top of its cell.
  std::string equation;
  std::uint32_t equationRgb = 0;
  int equationCell = 0;
  int equationTop = 0;
  std::optional<std::uint32_t> border;  // the Border Outline's colour
  double borderWidth = 0.0;
};

}  // namespace rv
