#pragma once

#include <functional>

#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "stats/function_language.h"
#include "stats/statistics_pass.h"

namespace rv {

// One of the statistics dialog's printed reports, drawn on a canvas with
// the print settings and the document's titles and file name.
using StatisticsReport =
    std::function<void(PageCanvas& canvas, const PrintSettings& settings, const Document& document)>;

// The report of a page of the dialog (0 Coefficients, 1 Residuals, 2 Std
// Errs, 3 Function, 5 Criteria): the coefficients, the residuals as a table
// or as the chart, the standard errors, the function in the language, or
// the fit criteria. It reads
// equation and statistics when it runs, so they must outlive it.
StatisticsReport ReportOfPage(int page, const FitWorkspace& equation, const EquationStatistics& statistics, bool chart,
                              FunctionLanguage language);

}  // namespace rv
