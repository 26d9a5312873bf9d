#include "stats/residual_table.h"

#include <cmath>

#include "regress/y_form.h"
#include "regress/y_uncertainty.h"

namespace rv {

namespace {

// Smallest and largest finite value; a value moves an extreme only when it
// lies strictly beyond it. Both stay 0 when no value is finite.
struct Extremes {
  bool any = false;
  double low = 0.0, high = 0.0;
  void add(double value) {
    if (!std::isfinite(value)) return;
    if (!any || value < low) low = value;
    if (!any || value > high) high = value;
    any = true;
  }
};

}  // namespace

ResidualTable BuildResidualTable(const FitWorkspace& workspace) {
  ResidualTable table;
  const int n = workspace.pointCount;
  table.yObs.resize(static_cast<size_t>(n));
  table.yCalc.resize(static_cast<size_t>(n));
  Extremes obs, calc;
  for (int i = 0; i < n; ++i) {
    table.yObs[static_cast<size_t>(i)] = workspace.observedY[i];
    table.yCalc[static_cast<size_t>(i)] = BackTransform(workspace.set(), FittedValue(workspace, i));
    obs.add(table.yObs[static_cast<size_t>(i)]);
    calc.add(table.yCalc[static_cast<size_t>(i)]);
  }
  if (workspace.weights.weighted())
    for (const double scoreWeight : workspace.weights.scoreWeight) table.sigma.push_back(1.0 / scoreWeight);
  table.obsMin = obs.low;
  table.obsRange = obs.high - obs.low;
  table.calcMin = calc.low;
  table.calcRange = calc.high - calc.low;
  return table;
}

}  // namespace rv
