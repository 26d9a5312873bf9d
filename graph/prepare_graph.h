#pragma once

#include "base/outcome.h"
#include "graph/graph_model.h"
#include "graph/graph_selection.h"
#include "graph/graph_state.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv {

// The model a Draw graphs: Auto Update applied to the sheet, then the
// surface of the workspace's current equation over the selected variables
// and the Y range, with its ticks and markers, and a curve's bands as the
// options set them. The program and the
// command-line tool both graph through it, so their pictures agree.
Outcome<GraphModel> DrawnGraphModel(DataSheet& sheet, const FitWorkspace& workspace, const GraphSelection& selection,
                                    const DocumentOptions& options, const YRange& yRange = {});

// A new graph: the DrawnGraphModel and its display lists, the view reset
// to its default angles and the full zoom. When there is no picture, says
// why and leaves the graph as it was.
Outcome<void> PrepareGraph(GraphState& graph, DataSheet& sheet, const FitWorkspace& workspace,
                           const GraphSelection& selection, const DocumentOptions& options, const YRange& yRange = {});

}  // namespace rv
