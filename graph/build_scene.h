#pragma once

#include "graph/display_list.h"
#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"

namespace rv {

// Records the four display lists of a picture. An element whose colour is
// none is left out of the lists. Label widths are measured with the glyphs
// the labels will be drawn with.
Scene BuildScene(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs);

}  // namespace rv
