#pragma once

#include <string>

#include "regress/fit_workspace.h"
#include "stats/residual_table.h"
#include "stats/statistics_pass.h"

namespace rv {

// The clipboard texts of the statistics dialog, with CR LF line ends and no
// size limit. Undefined values read "n/a".

// The equation text, a blank line, "Coefficients", then "a =<TAB>value" per
// coefficient ("%.12E", two-digit exponent); no line end after the last.
std::string CopyCoefficientsText(const FitWorkspace& workspace);

// The residual list: a header, then per point its number, Y Obs, Y Calc, the
// difference and Pct Diff, each with "%.12f", tab-separated; no line end
// after the last row.
std::string CopyResidualsText(const ResidualTable& table);

// "Term<TAB>Std Error<TAB>t Stat<TAB>P Value", then the four texts of each row
// of the term list; every line, the last included, ends with CR LF.
std::string CopyStdErrorsText(const EquationStatistics& statistics);

}  // namespace rv
