#pragma once

#include "cli/command_line.h"
#include "regress/fit_workspace.h"

namespace rv::cli {

// For the commands on one equation (options --ordinal, --max-terms, --sets).
// Loads FILE (the one positional word) and re-creates the equation of
// --ordinal K in the sequence its data and search options fix: the data's N
// and K with --max-terms and --sets or their defaults. Throws CliError when
// the ordinal is missing or out of range, or the equation cannot be fitted.
FitWorkspace LoadCurrentEquation(const Arguments& arguments, const char* command);

}  // namespace rv::cli
