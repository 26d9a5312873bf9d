#include "regress/column_sums.h"

#include "regress/kernel_dispatch.h"
#include "regress/lane_sums.h"

namespace rv {

namespace {

struct PairSums {
  template <class V>
  static void run(const double* values, int stride, int columns, int points, std::vector<double>& sums) {
    const auto at = [&](int c) { return values + static_cast<size_t>(c) * static_cast<size_t>(stride); };
    for (int a = 0; a < columns; ++a)
      for (int b = a; b < columns; ++b) {
        const double sum = LanesDot<V>(at(a), at(b), points);
        sums[static_cast<size_t>(a) * static_cast<size_t>(columns) + static_cast<size_t>(b)] = sum;
        sums[static_cast<size_t>(b) * static_cast<size_t>(columns) + static_cast<size_t>(a)] = sum;
      }
  }
};

struct SumsWith {
  template <class V>
  static void run(const double* values, int stride, int columns, const double* y, int points,
                  std::vector<double>& sums) {
    for (int c = 0; c < columns; ++c)
      sums[static_cast<size_t>(c)] = LanesDot<V>(values + static_cast<size_t>(c) * static_cast<size_t>(stride), y, points);
  }
};

}  // namespace

std::vector<double> ColumnPairSums(const double* values, int stride, int columns, int points, VectorWidth width) {
  std::vector<double> sums(static_cast<size_t>(columns) * static_cast<size_t>(columns), 0.0);
  RunKernel<PairSums>(width, values, stride, columns, points, sums);
  return sums;
}

std::vector<double> ColumnSumsWith(const double* values, int stride, int columns, const double* y, int points,
                                   VectorWidth width) {
  std::vector<double> sums(static_cast<size_t>(columns), 0.0);
  RunKernel<SumsWith>(width, values, stride, columns, y, points, sums);
  return sums;
}

}  // namespace rv
