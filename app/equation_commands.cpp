#include <QApplication>
#include <QClipboard>
#include <QFutureWatcher>

#include "app/main_window.h"
#include "app/print_controller.h"
#include "print/ui/print_destinations.h"
#include "widgets/print_settings_controls.h"
#include "regress/current_equation.h"
#include "regress/recreate_equation.h"
#include "regress/ui/finished_search.h"
#include "stats/copy_texts.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr const char* kSelectToCopyMessage = "First select the equation to copy.";

}  // namespace

// The entry in a row of the list as the Equations tab shows it, best first.
const EquationRecord* MainWindow::entryInRow(int row) const {
  const std::vector<int> order = equations_.sortOrder();
  if (row < 0 || row >= static_cast<int>(order.size())) return nullptr;
  return &equations_.slot(order[static_cast<size_t>(row)]);
}

const EquationRecord* MainWindow::selectedEntry() const { return entryInRow(session_.selectedIndex); }

// A new search replaces the list: nothing is selected or graphed, and the
// workspace's equation belongs to the old list.
void MainWindow::searchStarted() {
  equations_.clear();
  session_.selectedIndex = -1;
  session_.graphedIndex = -2;
  workspace_.lastFittedOrdinal = 0;
}

// The counts go with the ordinals of the new list: the data file stores them
// and re-creation reads them.
void MainWindow::searchFinished(const FinishedSearch& search) {
  equations_ = search.list;
  listShape_ = search.shape;
  document_.pointCount = search.pointCount;
  document_.columnCount = search.columnCount;
  session_.graphDrawn = false;
  document_.state.modified = true;
}

bool MainWindow::makeSelectedEquationCurrent() { return makeEquationCurrent(selectedEntry()); }

bool MainWindow::makeEquationCurrent(const EquationRecord* chosen) {
  if (chosen == nullptr) return false;
  const SearchData data = SnapshotWithCounts(document_.sheet.cells, document_.pointCount, document_.columnCount);
  if (MakeChosenEquationCurrent(workspace_, data, listShape_, *chosen)) return true;
  // A failed attempt has left a half-built candidate in the workspace.
  workspace_.lastFittedOrdinal = 0;
  ShowMessage(QString::fromLatin1(kCannotRecreateMessage), this, MessageKind::Error);
  return false;
}

void MainWindow::showStatistics() {
  if (!makeSelectedEquationCurrent()) return;
  // The Print page offers the printer in use and Print to PDF until the
  // print server, asked meanwhile, names its printers.
  QStringList printers{QLatin1String(kPrintToPdf)};
  const PrintSettings& printSettings = printing_->settings();
  if (!printSettings.printer.empty() && printSettings.printer != kPrintToPdf)
    printers.prepend(QString::fromStdString(printSettings.printer));
  StatisticsDialog dialog(workspace_, document_, this, {printers, PrintFontFaces(), printSettings});
  connect(&dialog, &StatisticsDialog::printRequested, this,
          [this, &dialog](const PrintSettings& settings, const StatisticsReport& report) {
            printing_->printStatisticsReport(settings, report, &dialog);
          });
  QFutureWatcher<PrintServerSurvey> survey;
  connect(&survey, &QFutureWatcherBase::finished, &dialog, [this, &survey, &dialog] {
    printing_->setServerSurvey(survey.result());
    PrintSettingsControls* controls = dialog.printPage()->controls();
    QString current = controls->selectedPrinter();
    if (printing_->settings().printer.empty() && current == QLatin1String(kPrintToPdf))
      current = DefaultPrinterChoice(printing_->serverSurvey());
    controls->setPrinters(PrinterChoices(printing_->serverSurvey()), current);
  });
  survey.setFuture(SurveyPrintServerInBackground());
  statistics_ = &dialog;
  dialog.exec();
  statistics_ = nullptr;
}

void MainWindow::copyEquation() {
  if (selectedEntry() == nullptr) {
    ShowMessage(QString::fromLatin1(kSelectToCopyMessage), this, MessageKind::Information);
    return;
  }
  if (makeSelectedEquationCurrent())
    QApplication::clipboard()->setText(QString::fromStdString(CopyCoefficientsText(workspace_)));
}

}  // namespace rv
