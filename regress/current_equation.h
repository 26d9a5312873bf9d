#pragma once

#include "regress/enumeration.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"

namespace rv {

// The chosen list entry is the current equation when the workspace last
// fitted its ordinal; otherwise it must be re-created before the statistics,
// the code, the graph, a copy or a printout use the workspace.
inline bool ChosenEquationIsCurrent(const EquationRecord& chosen, const FitWorkspace& workspace) {
  return chosen.ordinal == workspace.lastFittedOrdinal;
}

// Re-creates the chosen equation unless it is current. Must not run while a
// search runs. False when it cannot be re-created (an ordinal beyond the
// sequence of these settings, or a candidate that no longer fits, because
// the sheet changed).
bool MakeChosenEquationCurrent(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape,
                               const EquationRecord& chosen);

}  // namespace rv
