#include "regress/column_bank.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "regress/point_sums.h"
#include "regress/standard_column.h"

namespace rv {

namespace {

std::vector<int> FarthestFromTheMeanFirst(const SearchData& data) {
  std::vector<int> order(static_cast<size_t>(data.pointCount));
  std::iota(order.begin(), order.end(), 0);
  double mean = 0.0;
  for (int i = 0; i < data.pointCount; ++i) mean += data.values[i][0];
  mean /= std::max(1, data.pointCount);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return std::fabs(data.values[a][0] - mean) > std::fabs(data.values[b][0] - mean);
  });
  return order;
}

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

ColumnBank::ColumnBank(const SearchData& data)
    : points_(data.pointCount),
      variables_(data.variableCount()),
      firstOfVariable_(FirstColumnOfEachVariable(variables_)),
      columns_(firstOfVariable_[static_cast<size_t>(variables_) + 1]),
      stride_(PaddedPoints(data.pointCount)),
      order_(FarthestFromTheMeanFirst(data)) {
  values_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(stride_), 0.0);
  faulted_.assign(static_cast<size_t>(columns_), 0);
  varies_.assign(static_cast<size_t>(columns_), 0);
  squaredLengths_.assign(static_cast<size_t>(columns_), 0.0);
  std::vector<double> raw(static_cast<size_t>(points_));
  auto fill = [&](int columnId, int kind, int v, int w) {
    const size_t c = static_cast<size_t>(columnId);
    for (int i = 0; i < points_; ++i)
      if (!TermColumnValue(kind, data.values[i][v], data.values[i][w], 0.0, raw[static_cast<size_t>(i)]))
        faulted_[c] = 1;
    if (faulted_[c]) return;
    double* standard = values_.data() + c * static_cast<size_t>(stride_);
    ColumnScale scale;
    varies_[c] = StandardiseColumn(raw.data(), points_, standard, scale) == ColumnSpread::Varies;
    if (varies_[c]) squaredLengths_[c] = PointDot(standard, standard, points_);
    else std::fill(standard, standard + points_, 0.0);
  };
  for (int kind = 1; kind <= kOrdinaryKindCount; ++kind)
    for (int v = 1; v <= variables_; ++v) {
      if (UsesSecondVariable(kind)) {
        for (int w = v + 1; w <= variables_; ++w) fill(id(kind, v, w), kind, v, w);
      } else {
        fill(id(kind, v, 0), kind, v, 0);
      }
    }
}

}  // namespace rv
