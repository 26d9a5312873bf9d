#pragma once

#include <vector>

#include "regress/orthogonal_fit.h"

namespace rv {

// A point's leave-one-out residual is its residual over 1 - h, h its hat
// value (leverage): h = r^2 / sum r^2 (the constant's share; 1 / N without
// weights) plus, over the orthogonal columns a_j, a_j^2 / (a_j . a_j), added
// in column order. Where h lies within kLeverageOneGap of 1 the point alone
// fixes its fitted value, the fit without it is undefined, and so are PRESS
// and predicted R squared: never infinite, never rounding noise.
inline constexpr double kLeverageOneGap = 1e-10;

inline bool HasLeaveOneOut(double oneLessHat) { return oneLessHat > kLeverageOneGap; }

// The constant's share of each point's hat value, in the order of the root
// weights given (empty: without weights, 1 / points each); weightSum is
// WeightSum of the weights in point order.
std::vector<double> ConstantShares(const std::vector<double>& rootWeights, double weightSum, int points);

// Every point's hat value, in the factors' order, from the constant's
// shares in that order.
std::vector<double> HatValues(const OrthogonalFactors& factors, const std::vector<double>& constantShares);

}  // namespace rv
