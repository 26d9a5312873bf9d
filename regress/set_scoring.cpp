#include "regress/set_scoring.h"

#include <algorithm>
#include <cmath>

#include "regress/leave_one_out.h"
#include "regress/score_scale.h"
#include "regress/y_form.h"

namespace rv {

SetScoring PrepareSetScoring(const SearchData& data, EquationSet set, const ColumnBank& bank) {
  const int stride = bank.stride();
  SetScoring scoring;
  scoring.set = set;
  const int n = data.pointCount;
  std::vector<double> transformed(static_cast<size_t>(n), 0.0);
  for (int i = 0; i < n; ++i)
    if (!TransformY(set, data.values[i][0], transformed[static_cast<size_t>(i)])) scoring.yFault = true;
  const FormWeights weights = WeightsOfForm(data, set);
  if (!weights.usable) scoring.yFault = true;
  if (scoring.yFault) return scoring;
  scoring.weighted = weights.weighted();
  std::vector<double> observed(static_cast<size_t>(n)), standard(static_cast<size_t>(n), 0.0);
  for (int i = 0; i < n; ++i)
    observed[static_cast<size_t>(i)] = BackTransform(set, transformed[static_cast<size_t>(i)]);
  StandardiseColumn(transformed.data(), n, standard.data(), scoring.yScale,
                    scoring.weighted ? weights.rootWeight.data() : nullptr);
  const ScoreScale scale = MakeScoreScale(observed, weights, n);
  scoring.squaresExponent = scale.squaresExponent;
  scoring.toSquaresScale = std::ldexp(1.0, -scoring.squaresExponent);
  scoring.denominator = scale.sst;
  const auto padded = static_cast<size_t>(stride);
  scoring.standardY.assign(padded, 0.0);
  scoring.observed.assign(padded, 0.0);
  scoring.constantShares.assign(padded, 0.0);
  if (scoring.weighted) {
    scoring.sigma.assign(padded, 0.0);
    scoring.pointScale.assign(padded, 0.0);
  }
  std::vector<double> rootWeightsInOrder;
  for (int k = 0; k < n; ++k) {
    const size_t i = static_cast<size_t>(bank.scoringOrder()[static_cast<size_t>(k)]);
    scoring.standardY[static_cast<size_t>(k)] = standard[i];
    scoring.observed[static_cast<size_t>(k)] = observed[i];
    if (!scoring.weighted) continue;
    scoring.sigma[static_cast<size_t>(k)] = weights.sigma[i];
    scoring.pointScale[static_cast<size_t>(k)] = scale.pointScale[i];
    rootWeightsInOrder.push_back(weights.rootWeight[i]);
  }
  const std::vector<double> shares = ConstantShares(rootWeightsInOrder, WeightSum(weights.rootWeight, n), n);
  std::copy(shares.begin(), shares.end(), scoring.constantShares.begin());
  scoring.columnSums = bank.sumsWith(scoring.standardY.data());
  return scoring;
}

}  // namespace rv
