#pragma once

#include <cmath>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace rv {

// N doubles handled together, in the compiler's own vectors, which every
// target compiles: to its vector instructions where it has them (SSE2 on
// x86-64, NEON on 64-bit ARM), to scalar ones elsewhere. Each lane is an
// ordinary IEEE operation, so results match the scalar code bit for bit
// whatever the width; -ffp-contract=off keeps products and sums apart, so no
// operation is ever fused. The helpers are always inlined into the kernel of
// their instruction set, so no vector ever crosses a call (hence no ABI
// concern; the kernel files say so to the compiler too).
#pragma GCC diagnostic push
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

// The lane operations that differ between instruction sets, in plain C++
// for any target: lane-by-lane comparisons (every bit of a lane set where it
// holds), the bits of a mask (bit l set where lane l is) and the square root
// of each lane, correctly rounded as std::sqrt is.
struct PortableLaneOps {
  template <class L>
  [[gnu::always_inline]] static auto atLeast(L a, L b) {
    return a >= b;
  }
  template <class L>
  [[gnu::always_inline]] static auto atMost(L a, L b) {
    return a <= b;
  }
  template <class L>
  [[gnu::always_inline]] static auto above(L a, L b) {
    return a > b;
  }
  template <class L>
  [[gnu::always_inline]] static auto below(L a, L b) {
    return a < b;
  }
  template <class M>
  [[gnu::always_inline]] static int laneBits(M mask) {
    int bits = 0;
    for (int l = 0; l < static_cast<int>(sizeof mask / sizeof mask[0]); ++l) bits |= (mask[l] != 0 ? 1 : 0) << l;
    return bits;
  }
  template <class L>
  [[gnu::always_inline]] static L sqrt(L a) {
    for (int l = 0; l < static_cast<int>(sizeof a / sizeof a[0]); ++l) a[l] = std::sqrt(a[l]);
    return a;
  }
};

#if defined(__x86_64__)
// The x86-64 instruction sets. A comparison written in a template that is
// not compiled for the instruction set of its width is split into scalar
// ones before the template reaches its kernel; these are compiled for their
// width and inlined once the template is, into the kernel of the same set.
struct Sse2LaneOps : PortableLaneOps {
  static int laneBits(LanesOf<2>::mask mask) { return _mm_movemask_pd(reinterpret_cast<__m128d>(mask)); }
  static LanesOf<2>::type sqrt(LanesOf<2>::type a) {
    return reinterpret_cast<LanesOf<2>::type>(_mm_sqrt_pd(reinterpret_cast<__m128d>(a)));
  }
};

struct Avx2LaneOps {
  using L = LanesOf<4>;
  [[gnu::target("avx2")]] static L::mask atLeast(L::type a, L::type b) { return a >= b; }
  [[gnu::target("avx2")]] static L::mask atMost(L::type a, L::type b) { return a <= b; }
  [[gnu::target("avx2")]] static L::mask above(L::type a, L::type b) { return a > b; }
  [[gnu::target("avx2")]] static L::mask below(L::type a, L::type b) { return a < b; }
  [[gnu::target("avx2")]] static int laneBits(L::mask mask) {
    return _mm256_movemask_pd(reinterpret_cast<__m256d>(mask));
  }
  [[gnu::target("avx2")]] static L::type sqrt(L::type a) {
    return reinterpret_cast<L::type>(_mm256_sqrt_pd(reinterpret_cast<__m256d>(a)));
  }
};

struct Avx512LaneOps {
  using L = LanesOf<8>;
  [[gnu::target("avx512f")]] static L::mask atLeast(L::type a, L::type b) { return a >= b; }
  [[gnu::target("avx512f")]] static L::mask atMost(L::type a, L::type b) { return a <= b; }
  [[gnu::target("avx512f")]] static L::mask above(L::type a, L::type b) { return a > b; }
  [[gnu::target("avx512f")]] static L::mask below(L::type a, L::type b) { return a < b; }
  [[gnu::target("avx512f")]] static int laneBits(L::mask mask) {
    const __m512i bits = reinterpret_cast<__m512i>(mask);
    return _mm512_test_epi64_mask(bits, bits);
  }
  // (All lanes kept through a mask: the unmasked form starts from an
  // undefined vector, which the compiler takes for an uninitialised one.)
  [[gnu::target("avx512f")]] static L::type sqrt(L::type a) {
    return reinterpret_cast<L::type>(_mm512_maskz_sqrt_pd(0xff, reinterpret_cast<__m512d>(a)));
  }
};
#endif

// The lanes of one kernel copy: N doubles with the lane operations of Ops.
template <int N, class Ops>
struct Simd : Ops {
  static constexpr int kLanes = N;
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
  // The sum of the lanes, halves added to halves: for bounds, which hold
  // whatever the order of the additions.
  [[gnu::always_inline]] static double total(Lanes x) {
    if constexpr (N == 8) {
      const auto quarter = __builtin_shufflevector(x, x, 0, 1, 2, 3) + __builtin_shufflevector(x, x, 4, 5, 6, 7);
      const auto half =
          __builtin_shufflevector(quarter, quarter, 0, 1) + __builtin_shufflevector(quarter, quarter, 2, 3);
      return half[0] + half[1];
    } else if constexpr (N == 4) {
      const auto half = __builtin_shufflevector(x, x, 0, 1) + __builtin_shufflevector(x, x, 2, 3);
      return half[0] + half[1];
    } else {
      return x[0] + x[1];
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
  [[gnu::always_inline]] static bool none(Mask mask) { return Ops::laneBits(mask) == 0; }
  [[gnu::always_inline]] static int count(Mask mask) {
    int lanes = 0;
    for (int bits = Ops::laneBits(mask); bits != 0; bits &= bits - 1) ++lanes;
    return lanes;
  }
};

// The copies of the search kernels. The portable one holds two doubles, the
// width every 64-bit processor's vectors have.
using PortableLanes = Simd<2, PortableLaneOps>;
#if defined(__x86_64__)
using Sse2Lanes = Simd<2, Sse2LaneOps>;
using Avx2Lanes = Simd<4, Avx2LaneOps>;
using Avx512Lanes = Simd<8, Avx512LaneOps>;
#endif
#pragma GCC diagnostic pop

}  // namespace rv
