#include "regress/cross_sums.h"

#include <algorithm>
#include <thread>

#include "regress/kernel_dispatch.h"

namespace rv {

namespace {

constexpr int kGroups = 4;  // vectors of columns summed side by side, so that the adder never waits
constexpr int kWidest = 8;  // doubles in the widest vectors

// The values point by point, each point's row padded with zeros so that a
// group of vectors starting at any column can be read whole.
struct PointRows {
  int width = 0;
  std::vector<double> values;
};

PointRows ByPoint(const double* values, int stride, int columns, const std::vector<int>& positionOfPoint) {
  PointRows rows;
  rows.width = columns + kGroups * kWidest;
  rows.values.assign(positionOfPoint.size() * static_cast<size_t>(rows.width), 0.0);
  for (size_t i = 0; i < positionOfPoint.size(); ++i)
    for (int c = 0; c < columns; ++c)
      rows.values[i * static_cast<size_t>(rows.width) + static_cast<size_t>(c)] =
          values[static_cast<size_t>(c) * static_cast<size_t>(stride) + static_cast<size_t>(positionOfPoint[i])];
  return rows;
}

// Rows firstRow, firstRow + step, ... of the sums: for row a, the columns
// from a on, N of them to a vector, each lane summing its own column in
// point order.
struct SumRows {
  template <class V>
  [[gnu::always_inline]] static void run(const PointRows& rows, int points, int columns, int firstRow, int step,
                                         double* sums) {
    constexpr int N = V::kLanes;
    for (int a = firstRow; a < columns; a += step) {
      for (int b0 = a / N * N; b0 < columns; b0 += kGroups * N) {
        typename V::Lanes lanes[kGroups];
        for (int g = 0; g < kGroups; ++g) lanes[g] = V::broadcast(0.0);
        for (int i = 0; i < points; ++i) {
          const double* row = rows.values.data() + static_cast<size_t>(i) * static_cast<size_t>(rows.width);
          const typename V::Lanes x = V::broadcast(row[a]);
          for (int g = 0; g < kGroups; ++g) lanes[g] += x * V::load(row + b0 + g * N);
        }
        double found[kGroups * N];
        for (int g = 0; g < kGroups; ++g) V::store(found + g * N, lanes[g]);
        for (int b = std::max(a, b0); b < std::min(columns, b0 + kGroups * N); ++b) {
          sums[static_cast<size_t>(a) * static_cast<size_t>(columns) + static_cast<size_t>(b)] = found[b - b0];
          sums[static_cast<size_t>(b) * static_cast<size_t>(columns) + static_cast<size_t>(a)] = found[b - b0];
        }
      }
    }
  }
};

}  // namespace

std::vector<double> CrossSums(const double* values, int stride, int columns, const std::vector<int>& positionOfPoint,
                              int threads, VectorWidth width) {
  const PointRows rows = ByPoint(values, stride, columns, positionOfPoint);
  const int points = static_cast<int>(positionOfPoint.size());
  std::vector<double> sums(static_cast<size_t>(columns) * static_cast<size_t>(columns), 0.0);
  auto sumRows = [&](int firstRow, int step) {
    RunKernel<SumRows>(width, rows, points, columns, firstRow, step, sums.data());
  };
  const int workers = std::max(1, threads);
  std::vector<std::jthread> pool;
  for (int t = 1; t < workers; ++t) pool.emplace_back(sumRows, t, workers);
  sumRows(0, workers);
  return sums;
}

}  // namespace rv
