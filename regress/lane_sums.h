#pragma once

#include "regress/point_sums.h"
#include "regress/vector_lanes.h"

namespace rv {

// The point sums of regress/point_sums.h with the vectors V of a kernel
// copy, on columns padded with zeros: the eight running sums in
// 8 / V::kLanes vectors, added in the same pairs, so that every width gives
// PointDot's value to the bit. A vector wholly past the last point would add
// zeros, which change no sum (a running sum that starts at +0 is never -0),
// so the sweeps stop at the vector that holds the last point.
template <class V>
struct LaneSum {
  static constexpr int kVectors = kPointSums / V::kLanes;
  typename V::Lanes sums[kVectors];

  [[gnu::always_inline]] LaneSum() {
    for (int s = 0; s < kVectors; ++s) sums[s] = V::broadcast(0.0);
  }
  // Adds the products of one vector of points, vector s of its block of eight.
  [[gnu::always_inline]] void add(int s, typename V::Lanes product) { sums[s] += product; }
  [[gnu::always_inline]] double total() {
    // Sum l with sum l + 8 while the pairs lie in different vectors ...
#pragma GCC unroll 8
    for (int width = kVectors / 2; width >= 1; width /= 2)
#pragma GCC unroll 8
      for (int s = 0; s < width; ++s) sums[s] = sums[s] + sums[s + width];
    // ... then inside the last vector, halves added to halves.
    double lanes[V::kLanes];
    V::store(lanes, sums[0]);
#pragma GCC unroll 8
    for (int width = V::kLanes / 2; width >= 1; width /= 2)
#pragma GCC unroll 8
      for (int l = 0; l < width; ++l) lanes[l] = lanes[l] + lanes[l + width];
    return lanes[0];
  }
};

// The vectors of V up to the one that holds point `points` - 1.
template <class V>
constexpr int VectorCount(int points) {
  return (points + V::kLanes - 1) / V::kLanes;
}

// Runs body(offset, s) for every vector of points up to the one that holds
// point `points` - 1, s its place in its block of eight.
template <class V, class Body>
[[gnu::always_inline]] inline void ForEachVector(int points, Body&& body) {
  constexpr int kVectors = LaneSum<V>::kVectors;
  const int vectors = VectorCount<V>(points);
  int vector = 0;
  for (; vector + kVectors <= vectors; vector += kVectors)
#pragma GCC unroll 8
    for (int s = 0; s < kVectors; ++s) body((vector + s) * V::kLanes, s);
  for (int s = 0; vector + s < vectors; ++s) body((vector + s) * V::kLanes, s);
}

template <class V>
[[gnu::always_inline]] inline double LanesDot(const double* a, const double* b, int points) {
  LaneSum<V> sum;
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] { sum.add(s, V::load(a + i) * V::load(b + i)); });
  return sum.total();
}

// out = in - c a, one step of an orthogonalisation (out may be in).
template <class V>
[[gnu::always_inline]] inline void LanesSubtractMultiple(double* out, const double* in, double c, const double* a,
                                                         int points) {
  const typename V::Lanes factor = V::broadcast(c);
  ForEachVector<V>(
      points, [&](int i, int) [[gnu::always_inline]] { V::store(out + i, V::load(in + i) - factor * V::load(a + i)); });
}

// out = in - c a, and the sums of out times itself and times `other`.
template <class V>
[[gnu::always_inline]] inline void LanesSubtractThenSums(double* out, const double* in, double c, const double* a,
                                                         const double* other, double& squares, double& withOther,
                                                         int points) {
  const typename V::Lanes factor = V::broadcast(c);
  LaneSum<V> selfSum, otherSum;
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] {
    const typename V::Lanes value = V::load(in + i) - factor * V::load(a + i);
    V::store(out + i, value);
    selfSum.add(s, value * value);
    otherSum.add(s, value * V::load(other + i));
  });
  squares = selfSum.total();
  withOther = otherSum.total();
}

// out = in - c a, and the sum of out times `next`.
template <class V>
[[gnu::always_inline]] inline double LanesSubtractThenDot(double* out, const double* in, double c, const double* a,
                                                          const double* next, int points) {
  const typename V::Lanes factor = V::broadcast(c);
  LaneSum<V> sum;
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] {
    const typename V::Lanes value = V::load(in + i) - factor * V::load(a + i);
    V::store(out + i, value);
    sum.add(s, V::load(next + i) * value);
  });
  return sum.total();
}

// A trie node's one sweep: Y's residual after its column a (out = in - h a),
// each later column's state after its projection on a
// (outs[k] = ins[k] - amounts[k] a), and what the node's children need of
// those: each state's squared length, its sum with the new residual, and
// the sum of each pair of states (pairs[k * K + l], k < l).
template <class V, int K>
[[gnu::always_inline]] inline void LanesSpread(double* residualOut, const double* residualIn, double h, const double* a,
                                               double* const* outs, const double* const* ins, const double* amounts,
                                               double* squares, double* withResidual, double* pairs, int points) {
  using Lanes = typename V::Lanes;
  const Lanes factor = V::broadcast(h);
  Lanes factors[K];
#pragma GCC unroll 4
  for (int k = 0; k < K; ++k) factors[k] = V::broadcast(amounts[k]);
  LaneSum<V> selfSums[K], residualSums[K], pairSums[K * (K - 1) / 2 + 1];
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] {
    const Lanes column = V::load(a + i);
    const Lanes residual = V::load(residualIn + i) - factor * column;
    V::store(residualOut + i, residual);
    Lanes values[K];
#pragma GCC unroll 4
    for (int k = 0; k < K; ++k) {
      values[k] = V::load(ins[k] + i) - factors[k] * column;
      V::store(outs[k] + i, values[k]);
      selfSums[k].add(s, values[k] * values[k]);
      residualSums[k].add(s, values[k] * residual);
    }
    int pair = 0;
#pragma GCC unroll 4
    for (int k = 0; k < K; ++k)
#pragma GCC unroll 4
      for (int l = k + 1; l < K; ++l) pairSums[pair++].add(s, values[k] * values[l]);
  });
  int pair = 0;
#pragma GCC unroll 4
  for (int k = 0; k < K; ++k) {
    squares[k] = selfSums[k].total();
    withResidual[k] = residualSums[k].total();
#pragma GCC unroll 4
    for (int l = k + 1; l < K; ++l) pairs[k * K + l] = pairSums[pair++].total();
  }
}

// K columns at once, each losing its projection on a: outs[k] = ins[k] -
// amounts[k] a, with the sum of each out times `next` (the column of the
// level after a) or, for the last level (Last), each out's squared length
// and its sum with `residual`.
template <class V, int K, bool Last>
[[gnu::always_inline]] inline void LanesSubtractEachThenSums(double* const* outs, const double* const* ins,
                                                             const double* amounts, const double* a,
                                                             const double* other, double* sums, double* squares,
                                                             int points) {
  using Lanes = typename V::Lanes;
  Lanes factors[K];
#pragma GCC unroll 4
  for (int k = 0; k < K; ++k) factors[k] = V::broadcast(amounts[k]);
  LaneSum<V> withOther[K], self[Last ? K : 1];
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] {
    const Lanes column = V::load(a + i);
    const Lanes otherValues = V::load(other + i);
#pragma GCC unroll 4
    for (int k = 0; k < K; ++k) {
      const Lanes value = V::load(ins[k] + i) - factors[k] * column;
      V::store(outs[k] + i, value);
      if constexpr (Last) {
        self[k].add(s, value * value);
        withOther[k].add(s, value * otherValues);
      } else {
        withOther[k].add(s, otherValues * value);
      }
    }
  });
#pragma GCC unroll 4
  for (int k = 0; k < K; ++k) {
    sums[k] = withOther[k].total();
    if constexpr (Last) squares[k] = self[k].total();
  }
}

// The sums of a times each of columns[0 .. K).
template <class V, int K>
[[gnu::always_inline]] inline void LanesDots(const double* a, const double* const* columns, double* sums, int points) {
  LaneSum<V> each[K];
  ForEachVector<V>(points, [&](int i, int s) [[gnu::always_inline]] {
    const typename V::Lanes values = V::load(a + i);
#pragma GCC unroll 4
    for (int k = 0; k < K; ++k) each[k].add(s, values * V::load(columns[k] + i));
  });
#pragma GCC unroll 4
  for (int k = 0; k < K; ++k) sums[k] = each[k].total();
}

}  // namespace rv
