#include "regress/leave_one_out.h"

namespace rv {

std::vector<double> ConstantShares(const std::vector<double>& rootWeights, double weightSum, int points) {
  std::vector<double> shares(static_cast<size_t>(points), 1.0 / points);
  if (rootWeights.empty()) return shares;
  for (size_t k = 0; k < shares.size(); ++k) shares[k] = rootWeights[k] * rootWeights[k] / weightSum;
  return shares;
}

std::vector<double> HatValues(const OrthogonalFactors& factors, const std::vector<double>& constantShares) {
  std::vector<double> hat(constantShares.begin(), constantShares.begin() + factors.points);
  for (int j = 0; j < factors.columns; ++j) {
    const double* a = factors.column(j);
    const double inverseSquare = factors.inverseSquares[static_cast<size_t>(j)];
    for (int k = 0; k < factors.points; ++k) hat[static_cast<size_t>(k)] += a[k] * a[k] * inverseSquare;
  }
  return hat;
}

}  // namespace rv
