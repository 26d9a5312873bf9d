#pragma once

#include <vector>

#include "regress/y_uncertainty.h"

namespace rv {

// How the squared residuals of a fit are summed on the scale of Y: each
// point's difference times its scale, 2^-squaresExponent (SquaresExponent)
// or, for a fit weighted by 1 / sigma^2, 2^-squaresExponent / sigma of Y, so
// that the sum is chi squared; and the total sum of squares about the mean of
// the observations (the weighted mean, each square weighted, with weights).
struct ScoreScale {
  int squaresExponent = 0;
  std::vector<double> pointScale;  // by point
  double sst = 0.0;
};

// observed: each point's observation as the score compares it (its
// transformed Y mapped back).
ScoreScale MakeScoreScale(const std::vector<double>& observed, const FormWeights& weights, int points);

}  // namespace rv
