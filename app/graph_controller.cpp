#include "app/graph_controller.h"

#include <QApplication>
#include <QClipboard>
#include <cstring>

#include "app/equation_controller.h"
#include "app/file_commands.h"
#include "app/print_controller.h"
#include "app/sheet_history.h"
#include "graph/data_points_text.h"
#include "graph/graph_options.h"
#include "graph/graph_selection.h"
#include "graph/prepare_graph.h"
#include "graph/ui/copy_graph_dialog.h"
#include "graph/ui/graph_bitmap.h"
#include "graph/ui/graph_export.h"
#include "graph/ui/graph_tab.h"
#include "graph/ui/graph_variable_values.h"
#include "graph/ui/label_glyphs.h"
#include "graph/ui/variables_dialog.h"
#include "graph/ui/vector_picture.h"
#include "graph/y_range.h"
#include "print/graph_report.h"
#include "print/ui/print_dialog.h"
#include "widgets/indexed_image.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr const char* kDrawToCopyMessage = "First draw the graph to copy.";
constexpr const char* kDrawToExportMessage = "First draw the graph to export.";
constexpr const char* kDrawToPrintMessage = "First draw the graph to print.";

// What Auto Update derives at a Draw: the graph values, compared bit for bit.
bool SameGraphValues(const DataSheet& a, const DataSheet& b) {
  return std::memcmp(a.graphMinimum.data(), b.graphMinimum.data(), sizeof a.graphMinimum) == 0 &&
         std::memcmp(a.graphMaximum.data(), b.graphMaximum.data(), sizeof a.graphMaximum) == 0 &&
         std::memcmp(a.graphConstant.data(), b.graphConstant.data(), sizeof a.graphConstant) == 0;
}

}  // namespace

GraphController::GraphController(const Document& document, DataFileSession& session, EquationController& equations,
                                 PrintController& printing, SheetHistory& history, QWidget* window)
    : document_(document),
      session_(session),
      equations_(equations),
      printing_(printing),
      history_(history),
      window_(window) {}

void GraphController::attach(GraphTab* tab) {
  tab_ = tab;
  labelGlyphs_ = LabelGlyphs();
}

void GraphController::syncWithSelection() {
  if (session_.selectedIndex == session_.graphedIndex) return;
  const EquationRecord* selected = equations_.selectedEntry();
  session_.graphVariables =
      selected != nullptr ? GraphVariableEntries(selected->text) : std::vector<GraphVariableEntry>{};
  session_.graphedIndex = session_.selectedIndex;
  tab_->showVariables();
  forget();
}

void GraphController::forget() {
  session_.graphDrawn = false;
  tab_->showGraph();
}

bool GraphController::prepareGraph(bool showMessages) {
  syncWithSelection();
  const Outcome<GraphSelection> selection =
      ValidateGraphSelection(equations_.selectedEntry() != nullptr, session_.graphVariables);
  if (!selection) {
    if (showMessages) ShowMessage(QString::fromStdString(selection.message().text), window_, selection.message().kind);
    tab_->focusVariableList();
    return false;
  }
  const Outcome<YRange> yRange = ParseYRange(yMinimum_, yMaximum_);
  if (!yRange) {
    if (showMessages) ShowMessage(QString::fromStdString(yRange.message().text), window_, yRange.message().kind);
    return false;
  }
  if (!equations_.makeSelectedCurrent()) return false;
  DataSheet sheet = document_.sheet;
  const Outcome<void> prepared =
      PrepareGraph(graph_, sheet, equations_.workspace(), *selection, document_.options, *yRange);
  if (!SameGraphValues(sheet, document_.sheet)) history_.push(QStringLiteral("Draw"), document_.sheet, sheet);
  if (!prepared) {
    if (showMessages) ShowMessage(QString::fromStdString(prepared.message().text), window_, prepared.message().kind);
    return false;
  }
  session_.graphDrawn = true;
  return true;
}

void GraphController::typeYRange(const std::string& minimum, const std::string& maximum) {
  yMinimum_ = minimum;
  yMaximum_ = maximum;
}

void GraphController::setAnglePositions(int horizontal, int vertical) {
  SetAnglePositions(graph_.view, horizontal, vertical);
}

void GraphController::stepRotation() { StepRotation(graph_.view); }

void GraphController::finishZoomDrag(const PixelRect& rect, const Viewport& viewport, int pictureHeight) {
  FinishZoomDrag(graph_.view, rect, viewport, pictureHeight);
}

void GraphController::selectGraphVariables(const std::vector<bool>& selected) {
  const size_t count = std::min(selected.size(), session_.graphVariables.size());
  for (size_t i = 0; i < count; ++i) session_.graphVariables[i].selected = selected[i];
}

// The picture is made from the graph as it was drawn, which is what the
// window shows, whatever was edited or selected since.
FrameBuffer GraphController::picture() const {
  return RenderGraphBitmap(graph_.model, GraphOptionsOf(document_.options), labelGlyphs_, graph_.view,
                           graph_.equationText);
}

void GraphController::copy() {
  if (!session_.graphDrawn) {
    ShowMessage(QString::fromLatin1(kDrawToCopyMessage), window_, MessageKind::Information);
    return;
  }
  switch (ShowCopyGraphDialog(window_)) {
    case kCopyPicture: QApplication::clipboard()->setImage(IndexedImage(picture())); break;
    case kCopyDataPoints:
      QApplication::clipboard()->setText(
          QString::fromStdString(GraphDataPointsText(graph_.model.surface, document_.sheet, graph_.model.bands)));
      break;
    default: break;
  }
}

void GraphController::exportPicture(FileCommands& files) {
  if (!session_.graphDrawn) {
    ShowMessage(QString::fromLatin1(kDrawToExportMessage), window_, MessageKind::Information);
    return;
  }
  files.exportGraph([this](PictureFormat format, int size) {
    return GraphPictureBytes(format, {graph_.model, GraphOptionsOf(document_.options), labelGlyphs_, graph_.view,
                                      graph_.equationText, size});
  });
}

// The graph as drawn, with the coefficients of the equation it shows: the
// one selected when it was drawn, which the workspace may no longer hold.
// A search under way has emptied the list that equation came from, and its
// end forgets the graph: until then there is nothing to print either.
void GraphController::print() {
  const EquationRecord* graphed = equations_.entryInRow(session_.graphedIndex);
  if (!session_.graphDrawn || graphed == nullptr) {
    ShowMessage(QString::fromLatin1(kDrawToPrintMessage), window_, MessageKind::Information);
    return;
  }
  if (!equations_.makeCurrent(graphed)) return;
  printing_.printWithDialog(
      PrintDialogKind::Graph, [this](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintGraphReport(canvas, settings, document,
                         GraphVectors(graph_.model, GraphOptionsOf(document.options), labelGlyphs_, graph_.view,
                                      graph_.equationText, kPictureSize),
                         equations_.workspace());
      });
}

// The values take effect at the next Draw; the grid's headings show the
// names at once. Undo takes back all that one OK stored.
void GraphController::showVariables() {
  const std::optional<GraphVariableValues> values = ShowVariablesDialog(window_, document_.sheet);
  if (!values) return;
  DataSheet after = document_.sheet;
  StoreGraphVariableValues(after, *values);
  history_.push(QStringLiteral("Variables"), document_.sheet, after);
}

}  // namespace rv
