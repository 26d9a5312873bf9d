#pragma once

#include <string>

#include "base/frame_buffer.h"
#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/graph_picture.h"
#include "graph/view_state.h"

namespace rv {

// The label glyphs to draw a size × size picture with: the 640-pixel
// picture's own, scaled up for a larger picture so that its labels take the
// same share of it.
GlyphSet PictureGlyphs(const GlyphSet& glyphs, int size);

// The picture that Copy Picture and the exported PNG use:
// the graph's scene built afresh (measured with glyphs, the label font of
// the 640-pixel picture) and drawn off screen at size × size with the
// view's zoom and angles, the equation text across the top in the Equation
// Text colour, then the Border Outline; labels, lines and texts scaled
// with the size.
FrameBuffer RenderGraphBitmap(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                              const ViewState& view, const std::string& equationText, int size = kPictureSize);

}  // namespace rv
