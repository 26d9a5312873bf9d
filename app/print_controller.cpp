#include "app/print_controller.h"

#include <QFile>
#include <QFileInfo>

#include "files/settings_file.h"
#include "print/data_report.h"
#include "print/paper.h"
#include "print/ui/print_destinations.h"
#include "print/ui/print_dialog.h"
#include "print/ui/print_preview.h"
#include "widgets/status_bar.h"

namespace rv {

PrintController::PrintController(const Document& document, StatusBar* status, QWidget* window)
    : document_(document), status_(status), window_(window) {}

void PrintController::previewPrintout(const PrintSettings& settings, const Printout& printout, QWidget* over) {
  ShowPrintPreview([&](PageCanvas& canvas) { printout(canvas, settings, document_); }, over);
}

void PrintController::printWithDialog(PrintDialogKind kind, const Printout& printout) {
  const auto preview = [this, &printout](const PrintSettings& settings, QWidget* over) {
    previewPrintout(settings, printout, over);
  };
  const std::optional<PrintSettings> chosen = ShowPrintDialog(kind, settings_, window_, preview);
  if (!chosen) return;
  settings_ = *chosen;
  runPrintJob([&](PageCanvas& canvas) { printout(canvas, settings_, document_); }, window_);
}

void PrintController::printData() {
  printWithDialog(PrintDialogKind::Data, [](PageCanvas& canvas, const PrintSettings& settings,
                                            const Document& document) { PrintDataReport(canvas, settings, document); });
}

// A printer's own options, set in the print dialog's Properties, go with
// that printer's jobs only.
void PrintController::printStatisticsPage(const PrintSettings& settings, const Printout& printout, QWidget* dialog) {
  const bool samePrinter = settings.printer == settings_.printer;
  settings_ = settings;
  if (!samePrinter) {
    settings_.sides.clear();
    settings_.quality = 0;
  }
  settings_.printerMedia = QueueMedia(QString::fromStdString(settings.printer), serverSurvey_);
  runPrintJob([&](PageCanvas& canvas) { printout(canvas, settings_, document_); }, dialog);
}

void PrintController::runPrintJob(const PrintReport& report, QWidget* owner) {
  PrintJobPlaces places;
  places.lastPdfFolder = lastPdfFolder_;
  const QPointer<StatusBar> status(status_);
  places.sent = [status](const QString& text) {
    if (status) status->setPaneText(StatusPane::Detail, text);
  };
  const QString written = RunPrintJob(report, document_.state, owner, places);
  if (!written.isEmpty()) lastPdfFolder_ = QFileInfo(written).absolutePath();
}

// The printer in use starts as the print server's default, which the print
// dialogs find when they ask the server; the paper and the PDF folder are
// the last run's.
void PrintController::readSettings(const Settings& settings) {
  settings_.paper = PaperNamed(settings.paper) ? settings.paper : std::string();
  lastPdfFolder_ = QFile::decodeName(settings.pdfFolder.c_str());
}

void PrintController::writeSettings(Settings& settings) const {
  settings.paper = settings_.paper;
  settings.pdfFolder = QFile::encodeName(lastPdfFolder_).toStdString();
}

}  // namespace rv
