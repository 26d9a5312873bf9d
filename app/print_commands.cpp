#include <QFileInfo>

#include "app/main_window.h"
#include "print/coefficients_report.h"
#include "print/data_report.h"
#include "print/graph_report.h"
#include "print/ui/print_destinations.h"
#include "print/ui/print_dialog.h"
#include "print/ui/print_preview.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"

namespace rv {

namespace {

constexpr const char* kDrawToPrintMessage = "First draw the graph to print.";

}  // namespace

void MainWindow::printWithDialog(PrintDialogKind kind, const StatisticsReport& report) {
  const auto preview = [this, &report](const PrintSettings& settings, QWidget* over) {
    ShowPrintPreview([&](PageCanvas& canvas) { report(canvas, settings, document_); }, over);
  };
  const std::optional<PrintSettings> chosen = ShowPrintDialog(kind, printSettings_, this, preview);
  if (!chosen) return;
  printSettings_ = *chosen;
  runPrintJob([&](PageCanvas& canvas) { report(canvas, printSettings_, document_); }, this);
}

void MainWindow::runPrintJob(const PrintReport& report, QWidget* owner) {
  PrintJobPlaces places;
  places.lastPdfFolder = lastPdfFolder_;
  const QPointer<StatusBar> status(status_);
  places.sent = [status](const QString& text) {
    if (status) status->setPaneText(StatusPane::Detail, text);
  };
  const QString written = RunPrintJob(report, document_.state, owner, places);
  if (!written.isEmpty()) lastPdfFolder_ = QFileInfo(written).absolutePath();
}

void MainWindow::printData() {
  printWithDialog(PrintDialogKind::Data, [](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
    PrintDataReport(canvas, settings, document);
  });
}

// Without a selected equation there is nothing to print, so no dialog asks
// how to print it. The equation is made current first, so that the preview
// shows it.
void MainWindow::printEquation() {
  if (selectedEntry() == nullptr || !makeSelectedEquationCurrent()) return;
  printWithDialog(PrintDialogKind::Equation,
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
  printWithDialog(PrintDialogKind::Graph,
                  [this](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
                    PrintGraphReport(canvas, settings, document, graphPicture(), kGraphPalette, workspace_);
                  });
}

// A printer's own options, set in the print dialog's Properties, go with
// that printer's jobs only.
void MainWindow::printStatisticsReport(const PrintSettings& settings, const StatisticsReport& report) {
  const bool samePrinter = settings.printer == printSettings_.printer;
  printSettings_ = settings;
  if (!samePrinter) {
    printSettings_.sides.clear();
    printSettings_.quality = 0;
  }
  printSettings_.printerMedia = QueueMedia(QString::fromStdString(settings.printer), printServerSurvey_);
  runPrintJob([&](PageCanvas& canvas) { report(canvas, printSettings_, document_); }, statisticsDialog());
}

}  // namespace rv
