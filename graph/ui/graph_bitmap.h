#pragma once

#include <string>

#include "graph/frame_buffer.h"
#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/graph_picture.h"
#include "graph/view_state.h"

namespace rv {

// The picture that Copy Picture and the printed graph use: the graph's
// scene built afresh and drawn off screen at size × size with the view's
// zoom and angles, the equation text across the top in the Equation Text
// colour, then the Border Outline.
FrameBuffer RenderGraphBitmap(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                              const ViewState& view, const std::string& equationText, int size = kPictureSize);

}  // namespace rv
