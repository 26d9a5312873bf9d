#pragma once

#include "regress/vector_lanes.h"
#include "regress/y_form.h"

namespace rv {

// The sets whose BackTransform takes an instruction or two per lane ("Y =",
// "1/Y =" and "Y^2 ="); the others call the library's exp, log or pow.
constexpr bool HasCheapBackTransform(int set) { return set == kSetY || set == kSetReciprocal || set == kSetSquare; }

// BackTransform of such a set applied to N values at once, with the very
// operations of BackTransform.
template <int N, int Set>
[[gnu::always_inline]] inline typename Simd<N>::Lanes CheapBackTransform(typename Simd<N>::Lanes t) {
  static_assert(HasCheapBackTransform(Set), "only the transforms of an instruction or two per lane");
  using V = Simd<N>;
  if constexpr (Set == kSetSquare) return V::select(LanesAtLeast(t, V::broadcast(0.0)), LanesSqrt(t), t);
  if constexpr (Set == kSetReciprocal) {
    const typename V::Lanes magnitude = V::select(LanesBelow(t, V::broadcast(0.0)), -t, t);
    return V::select(LanesAbove(magnitude, V::broadcast(1e-20)), V::broadcast(1.0) / t, t);
  }
  return t;
}

}  // namespace rv
