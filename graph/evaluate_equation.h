#pragma once

#include <array>

#include "regress/fit_workspace.h"
#include "sheet/data_sheet.h"

namespace rv {

// The values the equation is evaluated at, indexed by column: slot v holds
// Xv; slot 0 (Y) is never read.
using VariableVector = std::array<double, kSheetColumns>;

// The value of the workspace's current equation at one variable vector, the
// same value the statistics show as Y Calc. Not a finite number where the
// equation has no value.
inline double EvaluateEquation(const FitWorkspace& workspace, const VariableVector& variables) {
  return EvaluateEquation(workspace, variables.data());
}

}  // namespace rv
