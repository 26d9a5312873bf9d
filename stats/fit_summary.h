#pragma once

#include "stats/residual_table.h"

namespace rv {

// The three regression statistic lines of the Coefficients page.
struct FitSummary {
  double rSquared = 0.0;  // as the fit stored it
  // Standard error of estimate of Y Obs regressed linearly on Y Calc; for
  // Y = aX1 + b this is the standard error of the fitted line.
  double stdError = 0.0;
  // Sample standard deviation of Y Obs.
  double stdDev = 0.0;
};

// Undefined results (too few points, all Y Calc equal) come out not finite.
FitSummary BuildFitSummary(const ResidualTable& table, double rSquared);

}  // namespace rv
