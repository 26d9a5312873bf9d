#include "app/main_window.h"
#include "print/coefficients_report.h"
#include "print/data_report.h"
#include "print/graph_report.h"
#include "print/ui/print_dialog.h"
#include "print/ui/printer_properties.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr const char* kDrawToPrintMessage = "First draw the graph to print.";

}  // namespace

bool MainWindow::choosePrintSettings(PrintDialogKind kind) {
  const std::optional<PrintSettings> chosen = ShowPrintDialog(kind, printSettings_, *printerProperties_, this);
  if (!chosen) return false;
  printSettings_ = *chosen;
  return true;
}

void MainWindow::runPrintJob(const PrintReport& report, QWidget* owner) {
  RunPrintJob(report, document_.state, *printerProperties_, owner);
}

void MainWindow::printData() {
  if (!choosePrintSettings(PrintDialogKind::Data)) return;
  runPrintJob([this](PageCanvas& canvas) { PrintDataReport(canvas, printSettings_, document_); }, this);
}

// Without a selected equation there is nothing to print, so no dialog asks
// how to print it.
void MainWindow::printEquation() {
  if (selectedEntry() == nullptr) return;
  if (!choosePrintSettings(PrintDialogKind::Equation) || !makeSelectedEquationCurrent()) return;
  runPrintJob([this](PageCanvas& canvas) { PrintCoefficientsReport(canvas, printSettings_, document_, workspace_); },
              this);
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
  if (!choosePrintSettings(PrintDialogKind::Graph) || !makeEquationCurrent(entryInRow(session_.graphedIndex))) return;
  runPrintJob(
      [this](PageCanvas& canvas) {
        PrintGraphReport(canvas, printSettings_, document_, graphPicture(), kGraphPalette, workspace_);
      },
      this);
}

void MainWindow::printStatisticsReport(const PrintSettings& settings, const StatisticsReport& report) {
  printSettings_ = settings;
  runPrintJob([&](PageCanvas& canvas) { report(canvas, printSettings_, document_); }, statisticsDialog());
}

}  // namespace rv
