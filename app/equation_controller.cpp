#include "app/equation_controller.h"

#include <QApplication>
#include <QClipboard>
#include <QFutureWatcher>

#include "app/print_controller.h"
#include "print/coefficients_report.h"
#include "print/paper.h"
#include "print/statistics_printout.h"
#include "print/ui/print_destinations.h"
#include "print/ui/print_dialog.h"
#include "regress/current_equation.h"
#include "regress/recreate_equation.h"
#include "stats/copy_texts.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/message_dialog.h"
#include "widgets/print_settings_controls.h"

namespace rv {

namespace {

constexpr const char* kSelectToCopyMessage = "First select the equation to copy.";

}  // namespace

EquationController::EquationController(const Document& document, const DataFileSession& session,
                                       const EquationList& equations, PrintController& printing, QWidget* window)
    : document_(document), session_(session), equations_(equations), printing_(printing), window_(window) {}

// Rows count best first.
const EquationRecord* EquationController::entryInRow(int row) const {
  const std::vector<int> order = equations_.sortOrder();
  if (row < 0 || row >= static_cast<int>(order.size())) return nullptr;
  return &equations_.slot(order[static_cast<size_t>(row)]);
}

bool EquationController::makeCurrent(const EquationRecord* chosen) {
  if (chosen == nullptr) return false;
  // The snapshot copies the whole sheet: only a re-creation needs it.
  if (ChosenEquationIsCurrent(*chosen, workspace_)) return true;
  const SearchData data = SnapshotWithStoredCounts(document_);
  if (MakeChosenEquationCurrent(workspace_, data, listShape_, *chosen)) return true;
  // A failed attempt has left a half-built candidate in the workspace.
  forgetFit();
  ShowMessage(QString::fromLatin1(kCannotRecreateMessage), window_, MessageKind::Error);
  return false;
}

void EquationController::adoptSearchShape(const SearchShape& shape) { listShape_ = shape; }

void EquationController::adoptStoredShape() {
  listShape_ = MakeSearchShape(SnapshotWithStoredCounts(document_), document_.options);
  forgetFit();
}

void EquationController::showStatistics() {
  if (!makeSelectedCurrent()) return;
  // The Print page offers the printer in use and Print to PDF until the
  // print server, asked meanwhile, names its printers.
  QStringList printers{QLatin1String(kPrintToPdf)};
  const PrintSettings& printSettings = printing_.settings();
  if (!printSettings.printer.empty() && printSettings.printer != kPrintToPdf)
    printers.prepend(QString::fromStdString(printSettings.printer));
  StatisticsDialog dialog(workspace_, document_, window_, {printers, PrintFontFaces(), printSettings, PaperNames()});
  QObject::connect(&dialog, &StatisticsDialog::printRequested, &dialog,
                   [this, &dialog](const PrintSettings& settings, const PrintedStatisticsPage& printed) {
                     printing_.printStatisticsPage(
                         settings, StatisticsPrintout(printed, dialog.equation(), dialog.statistics()), &dialog);
                   });
  QObject::connect(&dialog, &StatisticsDialog::previewRequested, &dialog,
                   [this, &dialog](const PrintSettings& settings, const PrintedStatisticsPage& printed) {
                     printing_.previewPrintout(
                         settings, StatisticsPrintout(printed, dialog.equation(), dialog.statistics()), &dialog);
                   });
  QFutureWatcher<PrintServerSurvey> survey;
  QObject::connect(&survey, &QFutureWatcherBase::finished, &dialog, [this, &survey, &dialog] {
    printing_.setServerSurvey(survey.result());
    PrintSettingsControls* controls = dialog.printPage()->controls();
    QString current = controls->selectedPrinter();
    if (printing_.settings().printer.empty() && current == QLatin1String(kPrintToPdf))
      current = DefaultPrinterChoice(printing_.serverSurvey());
    controls->setPrinters(PrinterChoices(printing_.serverSurvey(), printing_.settings().printer), current);
  });
  survey.setFuture(SurveyPrintServerInBackground());
  statistics_ = &dialog;
  dialog.exec();
  statistics_ = nullptr;
}

StatisticsDialog* EquationController::statisticsDialog() const { return statistics_; }

void EquationController::copyEquation() {
  if (selectedEntry() == nullptr) {
    ShowMessage(QString::fromLatin1(kSelectToCopyMessage), window_, MessageKind::Information);
    return;
  }
  if (makeSelectedCurrent())
    QApplication::clipboard()->setText(QString::fromStdString(CopyCoefficientsText(workspace_)));
}

// Without a selected equation there is nothing to print, so no dialog asks
// how to print it. The equation is made current first, so that the preview
// shows it.
void EquationController::printEquation() {
  if (selectedEntry() == nullptr || !makeSelectedCurrent()) return;
  printing_.printWithDialog(PrintDialogKind::Equation,
                            [this](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
                              PrintCoefficientsReport(canvas, settings, document, workspace_);
                            });
}

}  // namespace rv
