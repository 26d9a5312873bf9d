#pragma once

#include <string>
#include <vector>

#include "regress/search_data.h"
#include "sheet/equation_set.h"

namespace rv {

// X16 never takes part in a search, so it can hold each point's standard
// uncertainty sigma of Y. With the option on, every fit is weighted by
// 1 / sigma^2: each Y form fits its transformed Y with the sigma carried
// through the transform to first order, |dT/dY| sigma (sigma / Y for ln Y),
// and every score sums squares weighted by 1 / sigma^2 on the scale of Y.
inline constexpr int kSigmaColumn = 16;

// What the status line, the statistics and the printouts say of such a fit.
inline constexpr const char* kWeightingText = "weighted by \u03c3 (X16)";

// The sigma of a transformed Y; false when it is not a positive finite
// number (Y^2 at Y = 0 has none), which puts the Y form's candidates outside
// their range.
bool TransformSigma(EquationSet set, double y, double sigma, double& transformed);

// The 1-based row of the first point whose sigma is empty, zero, negative or
// not finite; 0 when every point's sigma can weight a fit.
int FirstUnusableSigmaRow(const SearchData& data);

// The refusal of a search whose sigma in that row cannot weight it.
std::string UnusableSigmaMessage(int row);

// The weights of one Y form, point by point (the point order, not the
// scoring order): empty vectors for a sheet without uncertainties, where
// every weight is 1 and the fit takes the unweighted steps.
struct FormWeights {
  bool usable = true;               // false: some transformed sigma is not a positive finite number
  std::vector<double> sigma;        // of the transformed Y
  std::vector<double> rootWeight;   // 1 / sigma of the transformed Y
  std::vector<double> scoreWeight;  // 1 / sigma of Y itself, for the score on the scale of Y

  bool weighted() const { return !rootWeight.empty(); }
};
FormWeights WeightsOfForm(const SearchData& data, EquationSet set);

// The sum of the squared root weights in point order; the point count for
// an unweighted fit.
double WeightSum(const std::vector<double>& rootWeights, int points);

}  // namespace rv
