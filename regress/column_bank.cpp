#include "regress/column_bank.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numeric>

#include "regress/cross_sums.h"
#include "regress/sum_of_squares.h"
#include "regress/term_kind.h"
#include "regress/y_form.h"

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

ColumnBank::ColumnBank(const SearchData& data, int threads)
    : points_(data.pointCount),
      variables_(data.variableCount()),
      firstOfVariable_(FirstColumnOfEachVariable(variables_)),
      columns_(firstOfVariable_[static_cast<size_t>(variables_) + 1] + 1),
      stride_((data.pointCount + 7) / 8 * 8),
      order_(FarthestFromTheMeanFirst(data)),
      position_(order_.size()) {
  for (int k = 0; k < points_; ++k) position_[static_cast<size_t>(order_[static_cast<size_t>(k)])] = k;
  values_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(stride_), 0.0);
  faulted_.assign(static_cast<size_t>(columns_), 0);
  auto fill = [&](int columnId, int kind, int v, int w) {
    double* out = values_.data() + static_cast<size_t>(columnId) * static_cast<size_t>(stride_);
    for (int k = 0; k < points_; ++k) {
      const int i = order_[static_cast<size_t>(k)];
      double value = 0.0;
      if (TermColumnValue(kind, data.values[i][v], data.values[i][w], 0.0, value)) out[k] = value;
      else faulted_[static_cast<size_t>(columnId)] = 1;
    }
  };
  for (int kind = 1; kind <= kOrdinaryKindCount; ++kind)
    for (int v = 1; v <= variables_; ++v) {
      if (UsesSecondVariable(kind)) {
        for (int w = v + 1; w <= variables_; ++w) fill(id(kind, v, w), kind, v, w);
      } else {
        fill(id(kind, v, 0), kind, v, 0);
      }
    }
  double* constant = values_.data() + static_cast<size_t>(constantId()) * static_cast<size_t>(stride_);
  for (int i = 0; i < points_; ++i) constant[i] = 1.0;

  // Columns with bit-identical values share a representative.
  representative_.resize(static_cast<size_t>(columns_));
  std::map<std::vector<std::uint64_t>, int> seen;
  for (int c = 0; c < columns_; ++c) {
    std::vector<std::uint64_t> bits(static_cast<size_t>(points_));
    std::memcpy(bits.data(), column(c), bits.size() * sizeof(double));
    representative_[static_cast<size_t>(c)] = seen.emplace(std::move(bits), c).first->second;
    hasTwins_ = hasTwins_ || representative_[static_cast<size_t>(c)] != c;
  }

  cross_ = CrossSums(values_.data(), stride_, columns_, position_, threads);
}

SetScoring PrepareSetScoring(const ColumnBank& bank, const SearchData& data, EquationSet set) {
  SetScoring scoring;
  scoring.set = set;
  const int n = bank.pointCount();
  scoring.transformedY.assign(static_cast<size_t>(n), 0.0);
  scoring.observed.assign(static_cast<size_t>(bank.stride()), 0.0);
  std::vector<double> inPointOrder(static_cast<size_t>(n));
  const std::vector<int>& position = bank.scoringPosition();
  for (int i = 0; i < n; ++i) {
    double& ty = scoring.transformedY[static_cast<size_t>(i)];
    if (!TransformY(set, data.values[i][0], ty)) scoring.yFault = true;
    const double y = BackTransform(set, ty);
    scoring.observed[static_cast<size_t>(position[static_cast<size_t>(i)])] = y;
    inPointOrder[static_cast<size_t>(i)] = y;
  }
  scoring.denominator = SumOfSquaresAboutMean(inPointOrder.data(), n);
  scoring.rightHandSide.assign(static_cast<size_t>(bank.columnCount()), 0.0);
  for (int c = 0; c < bank.columnCount(); ++c) {
    const double* x = bank.column(c);
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
      sum += scoring.transformedY[static_cast<size_t>(i)] * x[position[static_cast<size_t>(i)]];
    scoring.rightHandSide[static_cast<size_t>(c)] = sum;
  }
  return scoring;
}

}  // namespace rv
