#pragma once

#include "cli/command_line.h"
#include "regress/fit_workspace.h"

namespace rv::cli {

// For the commands on one equation (options --ordinal, --max-terms, --sets).
// Loads FILE (the one positional word) and re-creates an equation:
// - with --ordinal K, equation K of the sequence that the data's own N and K
//   and the search options fix (--max-terms and --sets, else those a .rvd
//   file stores, else the defaults), as `search` numbers them;
// - without it, the equation a .rvd file stores, with the N, K, Maximum
//   Terms and sets it was found with.
// Throws CliError when the ordinal is missing or out of range, or the
// equation cannot be fitted.
FitWorkspace LoadCurrentEquation(const Arguments& arguments, const char* command);

}  // namespace rv::cli
