#pragma once

#include "base/frame_buffer.h"
#include "graph/display_list.h"
#include "graph/glyph_set.h"
#include "graph/graph_options.h"
#include "graph/view_state.h"

namespace rv {

// The copied and printed picture is a square of 640 pixels.
inline constexpr int kPictureSize = 640;

// The sides an exported picture may have, in pixels (or points): 640 unless
// the user asks for another.
inline constexpr int kMinExportSize = 64;
inline constexpr int kMaxExportSize = 4096;

// How wide a picture's lines are: 1 pixel at 640, in proportion above.
int PictureLineWidth(int size);

// The scene drawn off screen into a size × size picture filled by the
// viewport, with the view's zoom and angles; lines as wide as
// PictureLineWidth. The glyphs are the ones to draw with, set for the size.
FrameBuffer RenderGraphPicture(const Scene& scene, const GlyphSet& glyphs, const ViewState& view,
                               int size = kPictureSize);

// Two nested one-pixel rectangles in the Border Outline colour (twice the
// line width's), the outer one on the picture's edge; nothing when the
// colour is none.
void DrawBorderOutline(FrameBuffer& picture, const GraphOptions& options);

}  // namespace rv
