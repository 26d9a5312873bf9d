#pragma once

#include <immintrin.h>

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
  typedef unsigned long bits __attribute__((vector_size(16)));
};
template <>
struct LanesOf<4> {
  typedef double type __attribute__((vector_size(32)));
  typedef long mask __attribute__((vector_size(32)));
  typedef unsigned long bits __attribute__((vector_size(32)));
};
template <>
struct LanesOf<8> {
  typedef double type __attribute__((vector_size(64)));
  typedef long mask __attribute__((vector_size(64)));
  typedef unsigned long bits __attribute__((vector_size(64)));
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
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAtLeast(LanesOf<8>::type a, LanesOf<8>::type b) {
  return a >= b;
}
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAtMost(LanesOf<8>::type a, LanesOf<8>::type b) {
  return a <= b;
}
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesAbove(LanesOf<8>::type a, LanesOf<8>::type b) {
  return a > b;
}
[[gnu::target("avx512f")]] inline LanesOf<8>::mask LanesBelow(LanesOf<8>::type a, LanesOf<8>::type b) {
  return a < b;
}

// Bit l set where lane l of the mask is.
inline int LanesSet(LanesOf<2>::mask mask) { return _mm_movemask_pd(reinterpret_cast<__m128d>(mask)); }
[[gnu::target("avx2")]] inline int LanesSet(LanesOf<4>::mask mask) {
  return _mm256_movemask_pd(reinterpret_cast<__m256d>(mask));
}
[[gnu::target("avx512f")]] inline int LanesSet(LanesOf<8>::mask mask) {
  const __m512i bits = reinterpret_cast<__m512i>(mask);
  return _mm512_test_epi64_mask(bits, bits);
}

// The square root of each lane, correctly rounded as std::sqrt is.
inline LanesOf<2>::type LanesSqrt(LanesOf<2>::type a) {
  return reinterpret_cast<LanesOf<2>::type>(_mm_sqrt_pd(reinterpret_cast<__m128d>(a)));
}
[[gnu::target("avx2")]] inline LanesOf<4>::type LanesSqrt(LanesOf<4>::type a) {
  return reinterpret_cast<LanesOf<4>::type>(_mm256_sqrt_pd(reinterpret_cast<__m256d>(a)));
}
// (All lanes kept through a mask: the unmasked form starts from an undefined
// vector, which the compiler takes for an uninitialised one.)
[[gnu::target("avx512f")]] inline LanesOf<8>::type LanesSqrt(LanesOf<8>::type a) {
  return reinterpret_cast<LanesOf<8>::type>(_mm512_maskz_sqrt_pd(0xff, reinterpret_cast<__m512d>(a)));
}

template <int N>
struct Simd {
  using Lanes = typename LanesOf<N>::type;
  using Mask = typename LanesOf<N>::mask;
  // A lane's bit pattern as an unsigned number, whose arithmetic wraps.
  using Bits = typename LanesOf<N>::bits;
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
  // Turns N vectors, row r holding lanes 0 to N - 1 of row r, into their
  // transpose: afterwards rows[i][r] is what rows[r][i] was.
  [[gnu::always_inline]] static void transpose(Lanes* rows) {
    if constexpr (N == 2) {
      const Lanes a = rows[0], b = rows[1];
      rows[0] = __builtin_shufflevector(a, b, 0, 2);
      rows[1] = __builtin_shufflevector(a, b, 1, 3);
    } else if constexpr (N == 4) {
      Lanes t[4];
      for (int i = 0; i < 4; i += 2) {
        t[i] = __builtin_shufflevector(rows[i], rows[i + 1], 0, 4, 2, 6);
        t[i + 1] = __builtin_shufflevector(rows[i], rows[i + 1], 1, 5, 3, 7);
      }
      rows[0] = __builtin_shufflevector(t[0], t[2], 0, 1, 4, 5);
      rows[1] = __builtin_shufflevector(t[1], t[3], 0, 1, 4, 5);
      rows[2] = __builtin_shufflevector(t[0], t[2], 2, 3, 6, 7);
      rows[3] = __builtin_shufflevector(t[1], t[3], 2, 3, 6, 7);
    } else {
      // Pairs of rows interleaved, then pairs of pairs, then the halves.
      Lanes t[8], u[8];
      for (int i = 0; i < 8; i += 2) {
        t[i] = __builtin_shufflevector(rows[i], rows[i + 1], 0, 8, 2, 10, 4, 12, 6, 14);
        t[i + 1] = __builtin_shufflevector(rows[i], rows[i + 1], 1, 9, 3, 11, 5, 13, 7, 15);
      }
      for (int i = 0; i < 8; i += 4)
        for (int odd = 0; odd < 2; ++odd) {
          u[i + odd] = __builtin_shufflevector(t[i + odd], t[i + 2 + odd], 0, 1, 8, 9, 4, 5, 12, 13);
          u[i + 2 + odd] = __builtin_shufflevector(t[i + odd], t[i + 2 + odd], 2, 3, 10, 11, 6, 7, 14, 15);
        }
      for (int i = 0; i < 4; ++i) {
        rows[i] = __builtin_shufflevector(u[i], u[i + 4], 0, 1, 2, 3, 8, 9, 10, 11);
        rows[i + 4] = __builtin_shufflevector(u[i], u[i + 4], 4, 5, 6, 7, 12, 13, 14, 15);
      }
    }
  }
  // Where the mask is set, the lane of `set`, elsewhere the lane of
  // `otherwise`, bit for bit.
  [[gnu::always_inline]] static Lanes select(Mask mask, Lanes set, Lanes otherwise) {
    return reinterpret_cast<Lanes>((reinterpret_cast<Mask>(set) & mask) | (reinterpret_cast<Mask>(otherwise) & ~mask));
  }
  [[gnu::always_inline]] static Lanes abs(Lanes x) {
    return reinterpret_cast<Lanes>(reinterpret_cast<Bits>(x) & 0x7fffffffffffffffUL);
  }
  [[gnu::always_inline]] static bool none(Mask mask) { return LanesSet(mask) == 0; }
  [[gnu::always_inline]] static int count(Mask mask) {
    int lanes = 0;
    for (int bits = LanesSet(mask); bits != 0; bits &= bits - 1) ++lanes;
    return lanes;
  }
};

}  // namespace rv
