#pragma once

#include <cstring>

namespace rv {

// N doubles handled by one instruction. Each lane is an ordinary IEEE
// operation, so results match the scalar code bit for bit whatever the
// width; -ffp-contract=off keeps products and sums apart, so no operation
// is ever fused. The helpers are always inlined into the kernel of their
// instruction set, so no vector ever crosses a call (hence no ABI concern).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
template <int N>
struct LanesOf;
template <>
struct LanesOf<2> {
  typedef double type __attribute__((vector_size(16)));
  typedef long long mask __attribute__((vector_size(16)));
};
template <>
struct LanesOf<4> {
  typedef double type __attribute__((vector_size(32)));
  typedef long long mask __attribute__((vector_size(32)));
};
template <>
struct LanesOf<8> {
  typedef double type __attribute__((vector_size(64)));
  typedef long long mask __attribute__((vector_size(64)));
};

template <int N>
struct Simd {
  using Lanes = typename LanesOf<N>::type;
  // A comparison's result: every bit of a lane set where it holds.
  using Mask = typename LanesOf<N>::mask;
  [[gnu::always_inline]] static Lanes load(const double* from) {
    Lanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
  }
  [[gnu::always_inline]] static void store(double* to, Lanes lanes) { std::memcpy(to, &lanes, sizeof lanes); }
  [[gnu::always_inline]] static Lanes broadcast(double value) {
    Lanes lanes;
    for (int i = 0; i < N; ++i) lanes[i] = value;
    return lanes;
  }
  [[gnu::always_inline]] static bool none(Mask mask) {
    for (int i = 0; i < N; ++i)
      if (mask[i]) return false;
    return true;
  }
};

}  // namespace rv
