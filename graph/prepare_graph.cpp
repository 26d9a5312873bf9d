#include "graph/prepare_graph.h"

#include "graph/auto_update.h"
#include "graph/build_scene.h"
#include "graph/graph_options.h"

namespace rv {

Outcome<GraphModel> DrawnGraphModel(DataSheet& sheet, const FitWorkspace& workspace, const GraphSelection& selection,
                                    const DocumentOptions& options, const YRange& yRange) {
  ApplyAutoUpdate(sheet);
  Outcome<GraphModel> model = BuildGraphModel(workspace, sheet, selection, options.segments, yRange);
  if (model) model->bands = BuildCurveBands(workspace, model->surface, options.bands);
  return model;
}

Outcome<void> PrepareGraph(GraphState& graph, DataSheet& sheet, const FitWorkspace& workspace,
                           const GraphSelection& selection, const DocumentOptions& options, const YRange& yRange) {
  Outcome<GraphModel> built = DrawnGraphModel(sheet, workspace, selection, options, yRange);
  if (!built) return built.message();
  graph.selection = selection;
  graph.scene = BuildScene(*built, GraphOptionsOf(options));
  graph.model = std::move(built).value();
  graph.equationText = workspace.text;
  ResetView(graph.view, selection.count);
  return {};
}

}  // namespace rv
