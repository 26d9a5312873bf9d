#pragma once

#include <array>

#include "regress/equation_point.h"
#include "regress/fit_workspace.h"
#include "sheet/data_sheet.h"

namespace rv {

// The values the equation is evaluated at, indexed by column: slot v holds
// Xv; slot 0 (Y) is never read.
using VariableVector = std::array<double, kSheetColumns>;

// The workspace's current equation at one variable vector, with the side of
// each of its poles the vector lies on. The value is the one the statistics
// show as Y Calc where the equation is defined, and not a number where a
// term leaves its domain or the back transform has no value: the graph
// draws nothing there rather than a made-up value.
inline EquationPoint GraphPoint(const FitWorkspace& workspace, const VariableVector& variables) {
  return EquationPointAt(workspace, variables.data());
}

inline double GraphValue(const FitWorkspace& workspace, const VariableVector& variables) {
  return GraphPoint(workspace, variables).value;
}

}  // namespace rv
