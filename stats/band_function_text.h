#pragma once

#include <string>

#include "regress/fit_workspace.h"
#include "stats/function_language.h"

namespace rv {

// The optional second function of the generated code: the half-width of the
// current equation's bands at the level, on the scale the equation is fitted
// on (for a transformed Y form the band of Func's value is the back
// transform of its transformed value minus and plus it). Named FuncBand
// (FUNCB in FORTRAN), it takes Func's parameters and Pred, 0 for the band of
// the mean and 1 for that of a new observation (of a weighted fit: that
// observation's sigma squared on the fit's scale). It carries the covariance
// in the fit's own standardised form, so that no digits of data with
// offsets are lost, as constants with seventeen significant digits. CR LF
// line ends. Empty for a rational equation and for an equation without
// residual degrees of freedom.
std::string GenerateBandFunctionText(const FitWorkspace& workspace, FunctionLanguage language, double level);

}  // namespace rv
