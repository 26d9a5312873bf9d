#pragma once

#include <cstdint>

#include "regress/enumeration.h"
#include "regress/fit_workspace.h"

namespace rv {

// Rebuilds and fits the candidate with this ordinal, so that the workspace
// holds it as the current equation. Jumps straight to the candidate; nothing
// before it is walked. False when the ordinal is outside the sequence or the
// candidate cannot be fitted (a domain fault).
bool RecreateEquation(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape,
                      std::int64_t ordinal);

}  // namespace rv
