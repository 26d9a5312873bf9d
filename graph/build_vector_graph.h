#pragma once

#include <string>

#include "base/vector_graph.h"
#include "graph/display_list.h"
#include "graph/glyph_set.h"
#include "graph/graph_options.h"
#include "graph/view_state.h"

namespace rv {

// The equation text's cell height across a picture of side size: twice the
// side over the text's length, at most 32 pixels at 640 and in proportion
// on a larger picture; 0 for an empty text. Its cell's top is 20 pixels
// down, in proportion too.
int EquationTextCell(int size, const std::string& text);
int EquationTextTop(int size);

// The picture of the scene (built for the 640-pixel picture) at size ×
// size with the view's zoom and angles. glyphs are the label glyphs set for
// that size, labelCell their cell height.
VectorGraph BuildVectorGraph(const Scene& scene, const GlyphSet& glyphs, int labelCell, const ViewState& view,
                             const GraphOptions& options, const std::string& equationText, int size);

}  // namespace rv
