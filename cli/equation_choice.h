#pragma once

#include <string>

#include "cli/command_line.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv::cli {

// --ordinal K and --rank K, checked before any work: whole numbers, and not
// both, nor --rank-by without --rank. CliError otherwise.
void CheckEquationChoice(const Arguments& arguments);

// For the commands on one equation (options --ordinal, --max-terms, --sets).
// Loads FILE (the one positional word) and re-creates an equation:
// - with --ordinal K, equation K of the sequence that the data's own N and K
//   and the search options fix (--max-terms and --sets, else those a .rvd
//   file stores, else the defaults), as `search` numbers them;
// - without it, the equation a .rvd file stores, with the N, K, Maximum
//   Terms and sets it was found with.
// Throws CliError when the ordinal is missing or out of range, or the
// equation cannot be fitted.
// With --rank K (and --ordinal not given), entry K of the list that a search
// with the same options (--max-terms, --sets, --rank-by) gives.
// `fileOptions`, when given, receives the options FILE holds.
FitWorkspace LoadChosenEquation(const Arguments& arguments, const char* command,
                                DocumentOptions* fileOptions = nullptr);

// Entry `rank` (1 for the best) of the list a search of the document with
// these options (--max-terms, --sets, --rank-by) gives, re-created.
FitWorkspace RankedEquation(const Arguments& arguments, Document document, const std::string& path, long long rank);

}  // namespace rv::cli
