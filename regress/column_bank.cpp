#include "regress/column_bank.h"

#include <algorithm>

#include "regress/column_sums.h"
#include "regress/orthogonal_fit.h"
#include "regress/point_sums.h"
#include "regress/scoring_order.h"

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

ColumnBank::ColumnBank(const SearchData& data, const FormWeights& weights, double storedBytes)
    : points_(data.pointCount),
      variables_(data.variableCount()),
      firstOfVariable_(FirstColumnOfEachVariable(variables_)),
      columns_(firstOfVariable_[static_cast<size_t>(variables_) + 1]),
      stride_(PaddedPoints(data.pointCount)),
      order_(ScoringOrder(data)) {
  const auto columns = static_cast<size_t>(columns_);
  const auto stride = static_cast<size_t>(stride_);
  faulted_.assign(columns, 0);
  varies_.assign(columns, 0);
  squaredLengths_.assign(columns, 0.0);
  rankReferences_.assign(columns, 0.0);
  terms_.assign(columns, Term{});
  steps_.assign(columns, StandardSteps{});
  for (int kind = 1; kind <= kOrdinaryKindCount; ++kind)
    for (int v = 1; v <= variables_; ++v) {
      if (!UsesSecondVariable(kind)) {
        terms_[static_cast<size_t>(id(kind, v, 0))] = {static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(v),
                                                       0};
        continue;
      }
      for (int w = v + 1; w <= variables_; ++w)
        terms_[static_cast<size_t>(id(kind, v, w))] = {static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(v),
                                                       static_cast<std::uint8_t>(w)};
    }
  const bool storesAll = static_cast<double>(columns) * static_cast<double>(stride) * sizeof(double) <= storedBytes;
  slot_.assign(columns, -1);
  int stored = 0;
  for (size_t c = 0; c < columns; ++c)
    if (storesAll || !UsesSecondVariable(terms_[c].kind)) slot_[c] = stored++;
  values_.assign(static_cast<size_t>(stored) * stride, 0.0);
  const double* rootWeights = weights.weighted() ? weights.rootWeight.data() : nullptr;
  if (!storesAll) {
    variablesInOrder_.resize(static_cast<size_t>(variables_) * static_cast<size_t>(points_));
    for (int v = 1; v <= variables_; ++v)
      for (int k = 0; k < points_; ++k)
        variablesInOrder_[static_cast<size_t>(v - 1) * static_cast<size_t>(points_) + static_cast<size_t>(k)] =
            data.values[order_[static_cast<size_t>(k)]][v];
    if (rootWeights != nullptr)
      for (int k = 0; k < points_; ++k) rootWeightsInOrder_.push_back(rootWeights[order_[static_cast<size_t>(k)]]);
  }
  std::vector<double> raw(static_cast<size_t>(points_));
  std::vector<double> standard(static_cast<size_t>(points_));
  std::vector<double> made(storesAll ? 0 : stride, 0.0);
  const double weightSum = WeightSum(weights.rootWeight, points_);
  for (size_t c = 0; c < columns; ++c) {
    const Term& term = terms_[c];
    for (int i = 0; i < points_; ++i)
      if (!TermColumnValue(term.kind, data.values[i][term.variable], data.values[i][term.variable2], 0.0,
                           raw[static_cast<size_t>(i)]))
        faulted_[c] = 1;
    if (faulted_[c]) continue;
    ColumnScale scale;
    varies_[c] =
        StandardiseColumn(raw.data(), points_, standard.data(), scale, rootWeights, &steps_[c]) == ColumnSpread::Varies;
    if (!varies_[c]) continue;
    double* ordered = slot_[c] >= 0 ? values_.data() + static_cast<size_t>(slot_[c]) * stride : made.data();
    for (int k = 0; k < points_; ++k) ordered[k] = standard[static_cast<size_t>(order_[static_cast<size_t>(k)])];
    squaredLengths_[c] = PointDot(ordered, ordered, points_);
    rankReferences_[c] =
        RankReference(squaredLengths_[c], scale.mean, scale.length, weightSum, HasComputedValues(term.kind));
  }
  if (storesAll && points_ <= kPairSumPoints)
    pairSums_ = ColumnPairSums(values_.data(), stride_, columns_, points_, WidestVectors());
}

const double* ColumnBank::makeAgain(int id, double* room) const {
  const Term& term = terms_[static_cast<size_t>(id)];
  const StandardSteps& steps = steps_[static_cast<size_t>(id)];
  const double* x = variablesInOrder_.data() + static_cast<size_t>(term.variable - 1) * static_cast<size_t>(points_);
  const double* x2 = variablesInOrder_.data() + static_cast<size_t>(term.variable2 - 1) * static_cast<size_t>(points_);
  const bool weighted = !rootWeightsInOrder_.empty();
  for (int k = 0; k < points_; ++k) {
    double raw = 0.0;
    TermColumnValue(term.kind, x[k], x2[k], 0.0, raw);
    room[k] = StandardValue(raw, steps, weighted ? rootWeightsInOrder_[static_cast<size_t>(k)] : 1.0, weighted);
  }
  std::fill(room + points_, room + stride_, 0.0);
  return room;
}

std::vector<double> ColumnBank::sumsWith(const double* y) const {
  std::vector<double> sums(static_cast<size_t>(columns_), 0.0);
  std::vector<double> room(static_cast<size_t>(stride_), 0.0);
  for (int c = 0; c < columns_; ++c)
    if (!faulted(c) && varies(c))
      sums[static_cast<size_t>(c)] =
          ColumnSumsWith(makeColumn(c, room.data()), stride_, 1, y, points_, WidestVectors())[0];
  return sums;
}

}  // namespace rv
