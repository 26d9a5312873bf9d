#pragma once

#include "graph/display_list.h"
#include "graph/glyph_set.h"
#include "graph/render_target.h"
#include "graph/view_state.h"

namespace rv {

// One frame: clear to the Background, the orthographic projection of the
// zoom bounds, the rotation about the vertical axis and then about the
// horizontal axis (each left out at 0°), then the four lists in order,
// the texts laid out last so that all can be read (LayOutTexts).
// Nothing is recomputed from the graph's numbers; rotating only redraws.
void DrawScene(const Scene& scene, const GlyphSet& glyphs, const ViewState& view, RenderTarget& target);

}  // namespace rv
