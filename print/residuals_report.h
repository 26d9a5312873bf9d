#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "sheet/document.h"
#include "stats/statistics_pass.h"

namespace rv {

// The table prints as many rows a page as end above the footer, at most this many.
inline constexpr int kResidualRowsPerPage = 50;

// Every page is headed by the titles and the equation. chart false: the
// residual table with the texts of the statistics dialog's residual list,
// as many points a page as fit above the footer and at most 50, the pages
// numbered, each with the headers; columns that do not fit the page's width
// go on in a further block after the last point. chart true: the
// observed-versus-calculated chart on one page, with round numbers along
// both axes.
void PrintResidualsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics, bool chart);

}  // namespace rv
