#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "sheet/document.h"
#include "stats/statistics_pass.h"

namespace rv {

// The equation text centred, then the columns "Term", "Std Error", "t Stat"
// and "P Value" right-aligned, one row per coefficient with the texts of
// the statistics dialog's term list.
void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics);

}  // namespace rv
