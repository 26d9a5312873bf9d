#pragma once

#include <string>

#include "sheet/document.h"

namespace rv {

// What a printout is called: its name in the PDF's title and the word the
// file name offered for it ends in.
struct ReportName {
  const char* title;
  const char* fileWord;
};

inline constexpr ReportName kDataReportName{"Data", "data"};
inline constexpr ReportName kCoefficientsReportName{"Coefficients", "coefficients"};
inline constexpr ReportName kResidualsReportName{"Residuals", "residuals"};
inline constexpr ReportName kResidualChartReportName{"Observed vs Calculated", "chart"};
inline constexpr ReportName kStdErrorsReportName{"Std Errors", "std-errors"};
inline constexpr ReportName kCriteriaReportName{"Criteria", "criteria"};
inline constexpr ReportName kFunctionReportName{"Function", "function"};
inline constexpr ReportName kGraphReportName{"Graph", "graph"};

// The document's title: the report and the data file, "Residuals —
// ideal_gas.rvd" ("Residuals — Untitled" for a sheet without a file name).
std::string ReportTitle(const ReportName& report, const DocumentState& document);

// The file name offered for the report, without ".pdf": the data file's
// name without its extension and the report's word, "ideal_gas-residuals"
// ("Untitled-residuals" for a sheet without a file name).
std::string ReportFileStem(const ReportName& report, const DocumentState& document);

// Where "Print to PDF" suggests writing: the file stem with ".pdf" in the
// folder the last PDF went to, else the data folder, else programFolder.
std::string DefaultPdfPath(const std::string& fileStem, const std::string& lastPdfFolder, const DocumentState& document,
                           const std::string& programFolder);

}  // namespace rv
