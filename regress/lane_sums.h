#pragma once

#include "regress/point_sums.h"
#include "regress/vector_lanes.h"

namespace rv {

// The point sums of regress/point_sums.h with the vectors V of a kernel
// copy, on columns padded to PaddedPoints: the sixteen running sums in
// 16 / V::kLanes vectors, added in the same pairs, so that every width gives
// PointDot's value to the bit.
template <class V>
[[gnu::always_inline]] inline double LanesDot(const double* a, const double* b, int padded) {
  using Lanes = typename V::Lanes;
  constexpr int N = V::kLanes;
  constexpr int kVectors = kPointSums / N;
  Lanes sums[kVectors];
  for (int s = 0; s < kVectors; ++s) sums[s] = V::broadcast(0.0);
  for (int i = 0; i < padded; i += kPointSums)
#pragma GCC unroll 8
    for (int s = 0; s < kVectors; ++s) sums[s] += V::load(a + i + s * N) * V::load(b + i + s * N);
  // Sum l with sum l + 8 while the pairs lie in different vectors ...
#pragma GCC unroll 8
  for (int width = kVectors / 2; width >= 1; width /= 2)
#pragma GCC unroll 8
    for (int s = 0; s < width; ++s) sums[s] = sums[s] + sums[s + width];
  // ... then inside the last vector, halves added to halves.
  double lanes[N];
  V::store(lanes, sums[0]);
#pragma GCC unroll 8
  for (int width = N / 2; width >= 1; width /= 2)
#pragma GCC unroll 8
    for (int l = 0; l < width; ++l) lanes[l] = lanes[l] + lanes[l + width];
  return lanes[0];
}

// a[i] = a[i] - c * b[i] over the padded column.
template <class V>
[[gnu::always_inline]] inline void LanesSubtractMultiple(double* a, double c, const double* b, int padded) {
  const typename V::Lanes factor = V::broadcast(c);
  for (int i = 0; i < padded; i += V::kLanes) V::store(a + i, V::load(a + i) - factor * V::load(b + i));
}

// to[i] = from[i] * c over the padded column.
template <class V>
[[gnu::always_inline]] inline void LanesMultiply(double* to, const double* from, double c, int padded) {
  const typename V::Lanes factor = V::broadcast(c);
  for (int i = 0; i < padded; i += V::kLanes) V::store(to + i, V::load(from + i) * factor);
}

}  // namespace rv
