#include "graph/ui/prepare_graph.h"

#include "graph/auto_update.h"
#include "graph/build_scene.h"
#include "graph/graph_options.h"

namespace rv {

Outcome<void> PrepareGraph(GraphState& graph, DataSheet& sheet, const FitWorkspace& workspace,
                         const GraphSelection& selection, const DocumentOptions& options, const GlyphSet& glyphs) {
  ApplyAutoUpdate(sheet);
  Outcome<GraphModel> built = BuildGraphModel(workspace, sheet, selection, options.segments);
  if (!built) return built.message();
  graph.selection = selection;
  graph.scene = BuildScene(*built, GraphOptionsOf(options), glyphs);
  graph.model = std::move(built).value();
  graph.equationText = workspace.text;
  ResetView(graph.view, selection.count);
  return {};
}

}  // namespace rv
