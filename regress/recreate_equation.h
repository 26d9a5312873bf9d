#pragma once

#include <cstdint>

#include "regress/enumeration.h"
#include "regress/fit_workspace.h"

namespace rv {

// Shown when the selected equation of a list or a data file cannot be
// re-created on the sheet as it is now.
inline constexpr const char* kCannotRecreateMessage =
    "The selected equation can not be fitted\nto the data on the Data tab.";

// Rebuilds and fits the candidate with this ordinal, so that the workspace
// holds it as the current equation. Jumps straight to the candidate; nothing
// before it is walked. False when the ordinal is outside the sequence, the
// candidate reads an empty cell among the points (the sheet changed since the
// list was found), or it cannot be fitted (a domain fault).
bool RecreateEquation(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape, std::int64_t ordinal);

}  // namespace rv
