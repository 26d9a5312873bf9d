// Shows the print dialog, or prints one report of a data file into a PDF
// file, for looking at them and taking screenshots:
//
//   print_harness FILE.rvd dialog [data|equation|graph]
//   print_harness FILE.rvd REPORT OUT.pdf [ORDINAL [landscape [SIZE]]]
//   print_harness FILE.rvd REPORT preview [ORDINAL [landscape [SIZE]]]
//
// REPORT is data, coefficients, residuals, chart, stderrors, criteria,
// function (C) or graph; every report but data prints the equation of ORDINAL, numbered as a
// search over the file's data and options does, or with 0 or without it the
// equation the file stores. The
// graph is drawn as the program draws its printed picture, over the file's
// graph variables (else the equation's first two) with the file's colours.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "graph/graph_model.h"
#include "graph/graph_picture.h"
#include "graph/graph_selection.h"
#include "graph/prepare_graph.h"
#include "graph/ui/label_glyphs.h"
#include "graph/ui/vector_picture.h"
#include "print/coefficients_report.h"
#include "print/criteria_report.h"
#include "print/data_report.h"
#include "print/function_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"
#include "print/ui/print_dialog.h"
#include "print/ui/print_preview.h"
#include "print/ui/run_print_job.h"
#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "stats/statistics_pass.h"
#include "support/harness_main.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

rv::VectorGraph GraphPicture(const rv::FitWorkspace& equation, const rv::Document& document,
                             const rv::DataFileSession& session, std::string& why) {
  // The file's graph variables, or else the equation's first two.
  std::vector<rv::GraphVariableEntry> entries = session.graphVariables;
  if (entries.empty()) {
    entries = rv::GraphVariableEntries(equation.text);
    for (size_t i = 0; i < entries.size(); ++i) entries[i].selected = i < 2;
  }
  const rv::Outcome<rv::GraphSelection> selection = rv::ValidateGraphSelection(true, entries);
  if (!selection) {
    why = selection.message().text;
    return {};
  }
  rv::DataSheet sheet = document.sheet;
  const rv::Outcome<rv::GraphModel> model = rv::DrawnGraphModel(sheet, equation, *selection, document.options);
  if (!model) {
    why = model.message().text;
    return {};
  }
  rv::ViewState view;
  rv::ResetView(view, selection->count);
  return rv::GraphVectors(*model, rv::GraphOptionsOf(document.options), rv::LabelGlyphs(), view, equation.text,
                          rv::kPictureSize);
}

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 3)
    return Fail("usage: print_harness FILE.rvd dialog [KIND] | FILE.rvd REPORT OUT.pdf [ORDINAL [landscape [SIZE]]]");
  const std::string path = argv[1];
  const std::string report = argv[2];

  rv::Outcome<rv::DataFileContents> loaded = rv::LoadDataFile(path);
  if (!loaded) return Fail(loaded.message().text);
  rv::Document& document = loaded->document;
  document.state.named = true;
  document.state.path = rv::AbsolutePath(path);
  document.state.dataFolder = rv::FolderOfPath(document.state.path);
  document.state.fileTitle = rv::FileNameOfPath(document.state.path);
  const rv::DataFileSession& session = loaded->session;

  rv::PrintSettings settings;
  if (report == "dialog") {
    const std::string kind = argc > 3 ? argv[3] : "data";
    const rv::PrintDialogKind dialogKind = kind == "graph"      ? rv::PrintDialogKind::Graph
                                           : kind == "equation" ? rv::PrintDialogKind::Equation
                                                                : rv::PrintDialogKind::Data;
    rv::PrintDialog dialog(dialogKind, settings, nullptr);
    return dialog.exec();
  }
  if (argc < 4) return Fail("name the PDF file to write");
  const QString out = QString::fromLocal8Bit(argv[3]);
  settings.printer = rv::kPrintToPdf;
  const long long chosenOrdinal = argc > 4 ? std::atoll(argv[4]) : 0;
  settings.landscape = argc > 5 && std::string(argv[5]) == "landscape";
  if (argc > 6) settings.fontSize = std::atoi(argv[6]);

  rv::FitWorkspace equation;
  if (report != "data") {
    if (chosenOrdinal == 0 && session.selectedIndex < 0) return Fail(path + " stores no selected equation");
    // A stored equation goes with the point and column counts of its search.
    const rv::SearchData data =
        chosenOrdinal == 0 ? rv::SnapshotWithCounts(document.sheet.cells, document.pointCount, document.columnCount)
                           : rv::TakeSearchSnapshot(document.sheet.cells);
    const long long ordinal = chosenOrdinal == 0 ? session.savedEquation.ordinal : chosenOrdinal;
    if (!rv::RecreateEquation(equation, data, rv::MakeSearchShape(data, document.options), ordinal))
      return Fail("equation " + std::to_string(ordinal) + " does not fit the file's data");
  }
  const rv::EquationStatistics statistics = rv::StatisticsPass(equation);
  std::string why;
  const rv::VectorGraph picture =
      report == "graph" ? GraphPicture(equation, document, session, why) : rv::VectorGraph();
  if (!why.empty()) return Fail(why);

  const rv::PrintReport print = [&](rv::PageCanvas& canvas) {
    if (report == "data") rv::PrintDataReport(canvas, settings, document);
    if (report == "coefficients") rv::PrintCoefficientsReport(canvas, settings, document, equation);
    if (report == "residuals" || report == "chart")
      rv::PrintResidualsReport(canvas, settings, document, statistics, report == "chart");
    if (report == "stderrors") rv::PrintStdErrorsReport(canvas, settings, document, statistics);
    if (report == "criteria") rv::PrintCriteriaReport(canvas, settings, document, statistics);
    if (report == "function") rv::PrintFunctionReport(canvas, settings, document, equation, rv::FunctionLanguage::C);
    if (report == "graph") rv::PrintGraphReport(canvas, settings, document, picture, equation);
  };
  if (out == QLatin1String("preview")) {
    rv::ShowPrintPreview(print, nullptr);
    return 0;
  }
  rv::PrintJobPlaces places;
  places.choosePdfPath = [&](QWidget*, const QString&) { return out; };
  return rv::RunPrintJob(print, document.state, nullptr, places).isEmpty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  return rv::testing::RunHarness("print_harness", [&] { return Run(argc, argv); });
}
