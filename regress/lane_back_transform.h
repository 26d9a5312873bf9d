#pragma once

#include "regress/vector_lanes.h"
#include "regress/y_form.h"

namespace rv {

// BackTransform of the sets whose transform is one instruction per lane
// ("Y =" and "1/Y ="), applied to N values at once with the very operations
// of BackTransform.
template <int N, int Set>
[[gnu::always_inline]] inline typename Simd<N>::Lanes CheapBackTransform(typename Simd<N>::Lanes t) {
  static_assert(Set == kSetY || Set == kSetReciprocal, "only the transforms of one instruction per lane");
  using V = Simd<N>;
  if constexpr (Set == kSetReciprocal) {
    const typename V::Lanes magnitude = V::select(LanesBelow(t, V::broadcast(0.0)), -t, t);
    return V::select(LanesAbove(magnitude, V::broadcast(1e-20)), V::broadcast(1.0) / t, t);
  }
  return t;
}

}  // namespace rv
