#pragma once

#include <string>

#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "sheet/document.h"
#include "stats/residual_table.h"

namespace rv {

// The table prints as many rows a page as end above the footer, at most this many.
inline constexpr int kResidualRowsPerPage = 50;

// Y Obs, Y Calc or the difference in the printed table: "%.2f", but "%.4E"
// (two-digit exponent) for a non-zero value below 0.01 in magnitude, which
// two decimals would show as 0.00, and for one of 1e15 or more, which they
// would spell out digit by digit. "n/a" when not finite.
std::string PrintedResidualText(double value);

// Pct Diff: "%.2f", or "%.4E" from 1e15 in magnitude on.
std::string PrintedPercentText(double percent);

// chart false: the residual table, as many points a page as fit above the
// footer and at most 50, the pages numbered, each with the titles and headers.
// chart true: the observed-versus-calculated chart on one page.
void PrintResidualsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const ResidualTable& table, bool chart);

}  // namespace rv
