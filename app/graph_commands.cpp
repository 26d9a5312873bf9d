#include <QApplication>
#include <QClipboard>

#include "app/copy_graph_dialog.h"
#include "app/main_window.h"
#include "app/sheet_history.h"
#include "graph/data_points_text.h"
#include "graph/graph_options.h"
#include "graph/graph_selection.h"
#include "graph/prepare_graph.h"
#include "graph/ui/graph_bitmap.h"
#include "graph/ui/graph_export.h"
#include "graph/ui/graph_tab.h"
#include "graph/ui/graph_variable_values.h"
#include "widgets/indexed_image.h"
#include "graph/ui/variables_dialog.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr const char* kDrawToCopyMessage = "First draw the graph to copy.";
constexpr const char* kDrawToExportMessage = "First draw the graph to export.";

}  // namespace

void MainWindow::syncGraphWithSelection() {
  if (session_.selectedIndex == session_.graphedIndex) return;
  const EquationRecord* selected = selectedEntry();
  session_.graphVariables = selected != nullptr ? GraphVariableEntries(selected->text) : std::vector<GraphVariableEntry>{};
  session_.graphedIndex = session_.selectedIndex;
  graphTab_->showVariables();
  forgetGraph();
}

void MainWindow::forgetGraph() {
  session_.graphDrawn = false;
  graphTab_->showGraph();
}

bool MainWindow::prepareGraph(bool showMessages) {
  syncGraphWithSelection();
  const Outcome<GraphSelection> selection =
      ValidateGraphSelection(selectedEntry() != nullptr, session_.graphVariables);
  if (!selection) {
    if (showMessages) ShowMessage(QString::fromStdString(selection.message().text), this, selection.message().kind);
    graphTab_->focusVariableList();
    return false;
  }
  if (!makeSelectedEquationCurrent()) return false;
  const Outcome<void> prepared =
      PrepareGraph(graph_, document_.sheet, workspace_, *selection, document_.options, labelGlyphs_);
  if (!prepared) {
    if (showMessages) ShowMessage(QString::fromStdString(prepared.message().text), this, prepared.message().kind);
    return false;
  }
  session_.graphDrawn = true;
  return true;
}

void MainWindow::setAnglePositions(int horizontal, int vertical) {
  SetAnglePositions(graph_.view, horizontal, vertical);
}

void MainWindow::stepRotation() { StepRotation(graph_.view); }

void MainWindow::finishZoomDrag(const PixelRect& rect, const Viewport& viewport, int pictureHeight) {
  FinishZoomDrag(graph_.view, rect, viewport, pictureHeight);
}

void MainWindow::selectGraphVariables(const std::vector<bool>& selected) {
  const size_t count = std::min(selected.size(), session_.graphVariables.size());
  for (size_t i = 0; i < count; ++i) session_.graphVariables[i].selected = selected[i];
}

// The picture is made from the graph as it was drawn, which is what the
// window shows, whatever was edited or selected since.
FrameBuffer MainWindow::graphPicture() const {
  return RenderGraphBitmap(graph_.model, GraphOptionsOf(document_.options), labelGlyphs_, graph_.view,
                           graph_.equationText);
}

void MainWindow::copyGraph() {
  if (!session_.graphDrawn) {
    ShowMessage(QString::fromLatin1(kDrawToCopyMessage), this, MessageKind::Information);
    return;
  }
  switch (ShowCopyGraphDialog(this)) {
    case kCopyPicture: QApplication::clipboard()->setImage(IndexedImage(graphPicture())); break;
    case kCopyDataPoints:
      QApplication::clipboard()->setText(
          QString::fromStdString(GraphDataPointsText(graph_.model.surface, document_.sheet)));
      break;
    default: break;
  }
}

void MainWindow::exportGraph() {
  if (!session_.graphDrawn) {
    ShowMessage(QString::fromLatin1(kDrawToExportMessage), this, MessageKind::Information);
    return;
  }
  files_->exportGraph([this](PictureFormat format, int size) {
    return GraphPictureBytes(format, {graph_.model, GraphOptionsOf(document_.options), labelGlyphs_, graph_.view,
                                      graph_.equationText, size});
  });
}

// The values take effect at the next Draw; the grid's headings show the
// names at once. Undo takes back all that one OK stored.
void MainWindow::showVariables() {
  const std::optional<GraphVariableValues> values = ShowVariablesDialog(this, document_.sheet);
  if (!values) return;
  DataSheet after = document_.sheet;
  StoreGraphVariableValues(after, *values);
  history_->push(QStringLiteral("Variables"), document_.sheet, after);
}

}  // namespace rv
