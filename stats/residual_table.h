#pragma once

#include <vector>

#include "regress/fit_workspace.h"

namespace rv {

// Observed and calculated Y of every point of the current equation, with the
// extremes of the finite values, by which the observed-versus-calculated chart
// scales. A range is zero when all its values are equal; the chart must then
// place the points itself.
struct ResidualTable {
  std::vector<double> yObs;
  std::vector<double> yCalc;
  // sigma of Y at each point of a fit weighted by 1 / sigma^2; empty without.
  std::vector<double> sigma;
  double obsMin = 0.0, obsRange = 0.0;
  double calcMin = 0.0, calcRange = 0.0;

  int pointCount() const { return static_cast<int>(yObs.size()); }
  double difference(int i) const { return yObs[i] - yCalc[i]; }
  // The difference as a percentage of Y Obs; not finite when Y Obs is 0.
  double percentDifference(int i) const { return difference(i) * 100.0 / yObs[i]; }
  bool weighted() const { return !sigma.empty(); }
  // The difference in units of its sigma, whose squares sum to chi squared.
  double normalisedResidual(int i) const { return difference(i) / sigma[static_cast<size_t>(i)]; }
};

// Y Obs is the sheet's Y; Y Calc maps the equation's fitted value back with
// its BackTransform, the very value its R squared was scored with.
ResidualTable BuildResidualTable(const FitWorkspace& workspace);

}  // namespace rv
