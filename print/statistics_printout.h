#pragma once

#include "print/printout.h"
#include "regress/fit_workspace.h"
#include "stats/printed_statistics_page.h"
#include "stats/statistics_pass.h"

namespace rv {

// The printout of a page of the statistics dialog: the coefficients, the
// residuals as a table or as the chart, the standard errors, the function
// in its language, or the fit criteria (any other page prints the
// coefficients). It reads equation and statistics when it runs, so they
// must outlive it.
Printout StatisticsPrintout(const PrintedStatisticsPage& printed, const FitWorkspace& equation,
                            const EquationStatistics& statistics);

}  // namespace rv
