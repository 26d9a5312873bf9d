#include "regress/y_uncertainty.h"

#include <cmath>

#include "sheet/empty_value.h"

namespace rv {

bool TransformSigma(EquationSet set, double y, double sigma, double& transformed) {
  switch (set) {
    case EquationSet::Y: transformed = sigma; break;
    case EquationSet::Reciprocal: transformed = sigma / (y * y); break;
    case EquationSet::Square: transformed = 2.0 * std::fabs(y) * sigma; break;
    case EquationSet::Cube: transformed = 3.0 * (y * y) * sigma; break;
    case EquationSet::Log: transformed = sigma / std::fabs(y); break;
    case EquationSet::Exp: transformed = std::exp(y) * sigma; break;
  }
  return std::isfinite(transformed) && transformed > 0.0;
}

int FirstUnusableSigmaRow(const SearchData& data) {
  for (int i = 0; i < data.pointCount; ++i) {
    const double sigma = data.values[i][kSigmaColumn];
    if (IsEmptyValue(sigma) || !std::isfinite(sigma) || !(sigma > 0.0)) return i + 1;
  }
  return 0;
}

std::string UnusableSigmaMessage(int row) {
  return "The uncertainty \u03c3 of Y in X16 of row " + std::to_string(row) +
         " is empty, zero or negative: a fit weighted by \u03c3 needs a positive \u03c3 at every point.";
}

FormWeights WeightsOfForm(const SearchData& data, EquationSet set) {
  FormWeights weights;
  if (!data.weighted) return weights;
  const size_t n = static_cast<size_t>(data.pointCount);
  weights.sigma.assign(n, 1.0);
  weights.rootWeight.assign(n, 1.0);
  weights.scoreWeight.assign(n, 1.0);
  for (size_t i = 0; i < n; ++i) {
    const double y = data.values[static_cast<int>(i)][0];
    const double sigma = data.values[static_cast<int>(i)][kSigmaColumn];
    weights.usable = weights.usable && TransformSigma(set, y, sigma, weights.sigma[i]) && sigma > 0.0;
    weights.rootWeight[i] = 1.0 / weights.sigma[i];
    weights.scoreWeight[i] = 1.0 / sigma;
    weights.usable = weights.usable && std::isfinite(weights.rootWeight[i]) && std::isfinite(weights.scoreWeight[i]);
  }
  return weights;
}

double WeightSum(const std::vector<double>& rootWeights, int points) {
  if (rootWeights.empty()) return points;
  double sum = 0.0;
  for (int i = 0; i < points; ++i) sum += rootWeights[static_cast<size_t>(i)] * rootWeights[static_cast<size_t>(i)];
  return sum;
}

}  // namespace rv
