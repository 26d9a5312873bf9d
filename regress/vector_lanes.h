#pragma once

#include <cstring>

namespace rv {

// N doubles handled by one instruction. Each lane is an ordinary IEEE
// operation, so results match the scalar code bit for bit whatever the
// width; -ffp-contract=off keeps products and sums apart, so no operation
// is ever fused. The helpers are always inlined into the kernel of their
// instruction set, so no vector ever crosses a call (hence no ABI concern,
// and no warning about it in the kernel files that include this).
#pragma GCC diagnostic ignored "-Wpsabi"
template <int N>
struct LanesOf;
template <>
struct LanesOf<2> {
  typedef double type __attribute__((vector_size(16)));
  typedef long mask __attribute__((vector_size(16)));
};
template <>
struct LanesOf<4> {
  typedef double type __attribute__((vector_size(32)));
  typedef long mask __attribute__((vector_size(32)));
};
template <>
struct LanesOf<8> {
  typedef double type __attribute__((vector_size(64)));
  typedef long mask __attribute__((vector_size(64)));
};

// Lane-by-lane comparisons: every bit of a lane set where it holds. A
// comparison written in a template that is not compiled for the
// instruction set of its width is split into scalar ones before the
// template reaches its kernel; these are compiled for their width and
// inlined once the template is, into the kernel of the same set.
inline LanesOf<2>::mask LanesAtLeast(LanesOf<2>::type a, LanesOf<2>::type b) { return a >= b; }
inline LanesOf<2>::mask LanesAtMost(LanesOf<2>::type a, LanesOf<2>::type b) { return a <= b; }
inline LanesOf<2>::mask LanesAbove(LanesOf<2>::type a, LanesOf<2>::type b) { return a > b; }
inline LanesOf<2>::mask LanesBelow(LanesOf<2>::type a, LanesOf<2>::type b) { return a < b; }
[[gnu::target("avx2")]] inline LanesOf<4>::mask LanesAtLeast(LanesOf<4>::type a, LanesOf<4>::type b) { return a >= b; }
[[gnu::target("avx2")]] inline LanesOf<4>::mask LanesAtMost(LanesOf<4>::type a, LanesOf<4>::type b) { return a <= b; }
[[gnu::target("avx2")]] inline LanesOf<4>::mask LanesAbove(LanesOf<4>::type a, LanesOf<4>::type b) { return a > b; }
[[gnu::target("avx2")]] inline LanesOf<4>::mask LanesBelow(LanesOf<4>::type a, LanesOf<4>::type b) { return a < b; }
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAtLeast(LanesOf<8>::type a, LanesOf<8>::type b) { return a >= b; }
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAtMost(LanesOf<8>::type a, LanesOf<8>::type b) { return a <= b; }
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAbove(LanesOf<8>::type a, LanesOf<8>::type b) { return a > b; }
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesBelow(LanesOf<8>::type a, LanesOf<8>::type b) { return a < b; }

template <int N>
struct Simd {
  using Lanes = typename LanesOf<N>::type;
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
  // The lanes f(0), f(1), ..., f(N - 1), put together in registers (filling a
  // vector in memory lane by lane and reading it whole would stall the read).
  template <class F>
  [[gnu::always_inline]] static Lanes gather(F&& f) {
    if constexpr (N == 2) return Lanes{f(0), f(1)};
    if constexpr (N == 4) return Lanes{f(0), f(1), f(2), f(3)};
    if constexpr (N == 8) return Lanes{f(0), f(1), f(2), f(3), f(4), f(5), f(6), f(7)};
  }
  // Where the mask is set, the lane of `set`, elsewhere the lane of
  // `otherwise`, bit for bit.
  [[gnu::always_inline]] static Lanes select(Mask mask, Lanes set, Lanes otherwise) {
    return reinterpret_cast<Lanes>((reinterpret_cast<Mask>(set) & mask) | (reinterpret_cast<Mask>(otherwise) & ~mask));
  }
  [[gnu::always_inline]] static bool none(Mask mask) {
    for (int i = 0; i < N; ++i)
      if (mask[i]) return false;
    return true;
  }
};

}  // namespace rv
