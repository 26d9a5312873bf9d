#include "regress/set_scoring.h"

#include <cmath>

#include "regress/sum_of_squares.h"
#include "regress/y_form.h"

namespace rv {

SetScoring PrepareSetScoring(const SearchData& data, EquationSet set, int stride) {
  SetScoring scoring;
  scoring.set = set;
  const int n = data.pointCount;
  std::vector<double> transformed(static_cast<size_t>(n), 0.0);
  scoring.observed.assign(static_cast<size_t>(n), 0.0);
  for (int i = 0; i < n; ++i) {
    double& ty = transformed[static_cast<size_t>(i)];
    if (!TransformY(set, data.values[i][0], ty)) scoring.yFault = true;
  }
  if (scoring.yFault) return scoring;
  for (int i = 0; i < n; ++i) scoring.observed[static_cast<size_t>(i)] = BackTransform(set, transformed[static_cast<size_t>(i)]);
  scoring.standardY.assign(static_cast<size_t>(stride), 0.0);
  StandardiseColumn(transformed.data(), n, scoring.standardY.data(), scoring.yScale);
  scoring.squaresExponent = SquaresExponent(scoring.observed.data(), n);
  scoring.toSquaresScale = std::ldexp(1.0, -scoring.squaresExponent);
  std::vector<double> scaled(scoring.observed);
  for (double& y : scaled) y = y * scoring.toSquaresScale;
  scoring.denominator = SumOfSquaresAboutMean(scaled.data(), n);
  return scoring;
}

}  // namespace rv
