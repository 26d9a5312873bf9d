#include "regress/current_equation.h"

#include "regress/recreate_equation.h"

namespace rv {

bool MakeChosenEquationCurrent(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape,
                               const EquationRecord& chosen) {
  if (ChosenEquationIsCurrent(chosen, workspace)) return true;
  return RecreateEquation(workspace, data, shape, chosen.ordinal);
}

}  // namespace rv
