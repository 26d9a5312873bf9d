#include "regress/column_bank.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "regress/column_sums.h"
#include "regress/orthogonal_fit.h"
#include "regress/point_sums.h"
#include "regress/scoring_order.h"
#include "regress/standard_column.h"

namespace rv {

namespace {

// Variable v has its fourteen one-variable kinds, then its products and its
// ratios with each later variable.
std::vector<int> FirstColumnOfEachVariable(int variables) {
  std::vector<int> first(static_cast<size_t>(variables) + 2, 0);
  for (int v = 1; v <= variables; ++v)
    first[static_cast<size_t>(v) + 1] =
        first[static_cast<size_t>(v)] + ColumnBank::kSingleVariableKinds + 2 * (variables - v);
  return first;
}

}  // namespace

ColumnBank::ColumnBank(const SearchData& data, const FormWeights& weights)
    : points_(data.pointCount),
      variables_(data.variableCount()),
      firstOfVariable_(FirstColumnOfEachVariable(variables_)),
      columns_(firstOfVariable_[static_cast<size_t>(variables_) + 1]),
      stride_(PaddedPoints(data.pointCount)),
      order_(ScoringOrder(data)) {
  values_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(stride_), 0.0);
  faulted_.assign(static_cast<size_t>(columns_), 0);
  varies_.assign(static_cast<size_t>(columns_), 0);
  squaredLengths_.assign(static_cast<size_t>(columns_), 0.0);
  rankReferences_.assign(static_cast<size_t>(columns_), 0.0);
  std::vector<double> raw(static_cast<size_t>(points_));
  std::vector<double> standard(static_cast<size_t>(points_));
  const double* rootWeights = weights.weighted() ? weights.rootWeight.data() : nullptr;
  const double weightSum = WeightSum(weights.rootWeight, points_);
  auto fill = [&](int columnId, int kind, int v, int w) {
    const size_t c = static_cast<size_t>(columnId);
    for (int i = 0; i < points_; ++i)
      if (!TermColumnValue(kind, data.values[i][v], data.values[i][w], 0.0, raw[static_cast<size_t>(i)]))
        faulted_[c] = 1;
    if (faulted_[c]) return;
    ColumnScale scale;
    varies_[c] = StandardiseColumn(raw.data(), points_, standard.data(), scale, rootWeights) == ColumnSpread::Varies;
    if (!varies_[c]) return;
    double* stored = values_.data() + c * static_cast<size_t>(stride_);
    for (int k = 0; k < points_; ++k) stored[k] = standard[static_cast<size_t>(order_[static_cast<size_t>(k)])];
    squaredLengths_[c] = PointDot(stored, stored, points_);
    rankReferences_[c] =
        RankReference(squaredLengths_[c], scale.mean, scale.length, weightSum, HasComputedValues(kind));
  };
  for (int kind = 1; kind <= kOrdinaryKindCount; ++kind)
    for (int v = 1; v <= variables_; ++v) {
      if (UsesSecondVariable(kind)) {
        for (int w = v + 1; w <= variables_; ++w) fill(id(kind, v, w), kind, v, w);
      } else {
        fill(id(kind, v, 0), kind, v, 0);
      }
    }
  if (points_ <= kPairSumPoints)
    pairSums_ = ColumnPairSums(values_.data(), stride_, columns_, points_, WidestVectors());
}

}  // namespace rv
