#pragma once

#include <string>
#include <vector>

#include "regress/fit_workspace.h"
#include "stats/function_language.h"

namespace rv {

// The current equation as a self-contained function in the language: a
// comment with the equation text, the function head with one parameter per
// variable (see ParameterNames), every coefficient as a named constant, and
// the one statement of BuildEquationBody. Every line ends with CR LF. This is
// exactly what a function file holds and what the clipboard receives.
std::string GenerateFunctionText(const FitWorkspace& workspace, FunctionLanguage language);

// The lines of the printed listing, without line ends (an empty string is a
// blank line). They follow the function text except that the comment lines
// are split as whole lines, the C function line has all its parameters on
// one line and no brace, and FORTRAN's DATA lines write their constants as
// BASIC and C do.
std::vector<std::string> FunctionListingLines(const FitWorkspace& workspace, FunctionLanguage language);

}  // namespace rv
