#include "app/main_window.h"
#include "app/print_controller.h"
#include "print/coefficients_report.h"
#include "print/graph_report.h"
#include "print/ui/print_dialog.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr const char* kDrawToPrintMessage = "First draw the graph to print.";

}  // namespace

// Without a selected equation there is nothing to print, so no dialog asks
// how to print it. The equation is made current first, so that the preview
// shows it.
void MainWindow::printEquation() {
  if (selectedEntry() == nullptr || !makeSelectedEquationCurrent()) return;
  printing_->printWithDialog(PrintDialogKind::Equation,
                             [this](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
                               PrintCoefficientsReport(canvas, settings, document, workspace_);
                             });
}

// The graph as drawn, with the coefficients of the equation it shows: the
// one selected when it was drawn, which the workspace may no longer hold.
// A search under way has emptied the list that equation came from, and its
// end forgets the graph: until then there is nothing to print either.
void MainWindow::printGraph() {
  if (!session_.graphDrawn || entryInRow(session_.graphedIndex) == nullptr) {
    ShowMessage(QString::fromLatin1(kDrawToPrintMessage), this, MessageKind::Information);
    return;
  }
  if (!makeEquationCurrent(entryInRow(session_.graphedIndex))) return;
  printing_->printWithDialog(PrintDialogKind::Graph,
                             [this](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
                               PrintGraphReport(canvas, settings, document, graphPicture(), kGraphPalette, workspace_);
                             });
}

}  // namespace rv
