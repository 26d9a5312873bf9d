#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "sheet/document.h"
#include "stats/statistics_pass.h"

namespace rv {

// The equation text centred, then the fit criteria a line each ("name" at
// the left margin, the value right-aligned), then the columns "Term",
// "Lower 95%" and "Upper 95%" right-aligned, a row per coefficient: the
// texts of the statistics dialog's Criteria page.
void PrintCriteriaReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const EquationStatistics& statistics);

}  // namespace rv
