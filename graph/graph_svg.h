#pragma once

#include <string>

#include "base/vector_graph.h"

namespace rv {

// The sizes in picture units of the fonts the SVG names, as the program's
// fonts are resolved: the labels' and the equation's pixel sizes, and the
// equation's ascent (its baseline lies that far below the top of its cell).
struct SvgFontSizes {
  double labelPixels = 10.0;
  double equationPixels = 0.0;
  double equationAscent = 0.0;
};

// The vector picture as an SVG document of size × size units. Consecutive
// pieces of one colour and kind share one path, and the styles are stated
// once, so the file stays small; texts name their font families followed
// by a generic family, so every renderer shows a face of the same kind.
std::string GraphSvgText(const VectorGraph& graph, const SvgFontSizes& fonts, const std::string& title);

}  // namespace rv
