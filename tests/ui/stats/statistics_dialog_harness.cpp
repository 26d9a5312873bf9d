// Opens the Equation Statistics dialog on one equation of a data file, at a
// chosen page, for looking at the dialog and taking screenshots:
//
//   statistics_dialog_harness FILE.rvd [ORDINAL [PAGE [chart]]]
//
// ORDINAL numbers the equation as a search over the file's data and options
// does; without it, or with 0, the equation the file stores is shown. PAGE
// is 0 Coefficients (the default), 1 Residuals, 2 Std Errs, 3 Function or
// 4 Print, which offers the print system's printers and the installed
// faces; "chart" shows the Residuals page's chart.

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "print/paper.h"
#include "print/ui/print_destinations.h"
#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "stats/ui/residuals_page.h"
#include "stats/ui/statistics_dialog.h"
#include "support/harness_main.h"
#include "widgets/control_id.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) return Fail("usage: statistics_dialog_harness FILE.rvd [ORDINAL [PAGE [chart]]]");
  const std::string path = argv[1];
  const long long chosenOrdinal = argc > 2 ? std::atoll(argv[2]) : 0;
  const int page = argc > 3 ? std::atoi(argv[3]) : 0;
  const bool chart = argc > 4 && std::string(argv[4]) == "chart";

  rv::Outcome<rv::DataFileContents> loaded = rv::LoadDataFile(path);
  if (!loaded) return Fail(loaded.message().text);
  rv::Document& document = loaded->document;
  document.state.dataFolder = rv::FolderOfPath(rv::AbsolutePath(path));
  const rv::DataFileSession& session = loaded->session;
  if (chosenOrdinal == 0 && session.selectedIndex < 0) return Fail(path + " stores no selected equation");

  // A stored equation goes with the point and column counts of its search.
  const rv::SearchData data =
      chosenOrdinal == 0 ? rv::SnapshotWithStoredCounts(document) : rv::TakeSearchSnapshot(document);
  const long long ordinal = chosenOrdinal == 0 ? session.savedEquation.ordinal : chosenOrdinal;
  rv::FitWorkspace workspace;
  if (!rv::RecreateEquation(workspace, data, rv::MakeSearchShape(data, document.options), ordinal))
    return Fail("equation " + std::to_string(ordinal) + " does not fit the file's data");

  const rv::PrintServerSurvey survey = rv::SurveyPrintServer();
  rv::PrintSettings printSettings;
  printSettings.printer = rv::DefaultPrinterChoice(survey).toStdString();
  rv::StatisticsDialog dialog(workspace, document, nullptr,
                              {rv::PrinterChoices(survey), rv::PrintFontFaces(), printSettings, rv::PaperNames()});
  dialog.show();
  if (page >= rv::StatisticsDialog::kResidualsPage && page <= rv::StatisticsDialog::kPrintPage)
    qobject_cast<QAbstractButton*>(rv::FindControl(&dialog, rv::StatisticsDialog::kResidualsButtonId + page - 1))
        ->click();
  if (page == rv::StatisticsDialog::kCriteriaPage)
    qobject_cast<QAbstractButton*>(rv::FindControl(&dialog, rv::StatisticsDialog::kCriteriaButtonId))->click();
  if (chart) dialog.residualsPage()->setChartMode(true);
  return dialog.exec();
}

}  // namespace

int main(int argc, char** argv) {
  return rv::testing::RunHarness("statistics_dialog_harness", [&] { return Run(argc, argv); });
}
