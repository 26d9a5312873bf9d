#pragma once

#include "graph/glyph_set.h"
#include "graph/graph_selection.h"
#include "graph/ui/graph_state.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "sheet/outcome.h"

namespace rv {

// A new graph of the workspace's current equation over the selected
// variables: Auto Update applied to the sheet, the model and its display
// lists built (label widths measured with glyphs), the view reset to its
// default angles and the full zoom. When there is no picture, says why and
// leaves the graph as it was.
Outcome<void> PrepareGraph(GraphState& graph, DataSheet& sheet, const FitWorkspace& workspace,
                         const GraphSelection& selection, const DocumentOptions& options, const GlyphSet& glyphs);

}  // namespace rv
