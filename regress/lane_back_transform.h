#pragma once

#include <limits>

#include "regress/vector_lanes.h"
#include "regress/y_form.h"

namespace rv {

// The sets whose BackTransform takes an instruction or two per lane ("Y =",
// "1/Y =" and "Y^2 ="); the others call the library's exp, log or pow.
constexpr bool HasCheapBackTransform(EquationSet set) {
  return set == EquationSet::Y || set == EquationSet::Reciprocal || set == EquationSet::Square;
}

// BackTransform of such a set applied to N values at once, with the very
// operations of BackTransform.
template <class V, EquationSet Set>
[[gnu::always_inline]] inline typename V::Lanes CheapBackTransform(typename V::Lanes t) {
  static_assert(HasCheapBackTransform(Set), "only the transforms of an instruction or two per lane");
  if constexpr (Set == EquationSet::Square) return V::select(V::atLeast(t, V::broadcast(0.0)), V::sqrt(t), t);
  if constexpr (Set == EquationSet::Reciprocal) {
    const typename V::Mask zero = V::atLeast(t, V::broadcast(0.0)) & V::atMost(t, V::broadcast(0.0));
    return V::select(zero, t, V::broadcast(1.0) / t);
  }
  return t;
}

// e^t for |t| <= 700 within 3e-13 of its value: t = k ln 2 + r with |r| <=
// ln 2 / 2, the Taylor polynomial of e^r to degree 10 (the rest is below
// 3e-13), times 2^k put into the exponent bits. The polynomial goes by
// halves, so that its two chains of products run side by side.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes LanesExp(typename V::Lanes t) {
  using Lanes = typename V::Lanes;
  using Bits = typename V::Bits;
  constexpr double kToInteger = 6755399441055744.0;  // 1.5 * 2^52: adding it and taking it away rounds to an integer
  constexpr double kTwo52 = 4503599627370496.0;
  constexpr double kInverseFactorials[] = {1.0,       1.0,        1.0 / 2,     1.0 / 6,      1.0 / 24,     1.0 / 120,
                                           1.0 / 720, 1.0 / 5040, 1.0 / 40320, 1.0 / 362880, 1.0 / 3628800};
  const Lanes k = (t * V::broadcast(1.4426950408889634) + V::broadcast(kToInteger)) - V::broadcast(kToInteger);
  const Lanes r = t - k * V::broadcast(0.6931471805599453);
  const Lanes r2 = r * r;
  // Even and odd powers apart: e^r = even(r^2) + r odd(r^2).
  Lanes even = V::broadcast(kInverseFactorials[10]);
  Lanes odd = V::broadcast(kInverseFactorials[9]);
  for (int j = 8; j >= 0; j -= 2) {
    even = even * r2 + V::broadcast(kInverseFactorials[j]);
    if (j > 0) odd = odd * r2 + V::broadcast(kInverseFactorials[j - 1]);
  }
  const Lanes sum = even + r * odd;
  // 2^52 + k + 1023 holds k + 1023 in its low bits, which go to the exponent.
  const Bits biased = reinterpret_cast<Bits>(k + V::broadcast(kTwo52 + 1023.0)) - 0x4330000000000000UL;
  return sum * reinterpret_cast<Lanes>(biased << 52);
}

// ln t for 1e-300 <= t <= 1e300 within 3e-13 of its value: t = m 2^e with
// m between 1/sqrt 2 and sqrt 2, ln m = 2 artanh s for s = (m - 1) / (m + 1),
// |s| < 0.172, its series to s^15 (the rest is below 3e-14), plus e ln 2.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes LanesLog(typename V::Lanes t) {
  using Lanes = typename V::Lanes;
  using Mask = typename V::Mask;
  using Bits = typename V::Bits;
  constexpr double kTwo52 = 4503599627370496.0;
  const Bits bits = reinterpret_cast<Bits>(t);
  // The biased exponent in the low bits of 2^52 gives e + 1023 as a double.
  Lanes e = reinterpret_cast<Lanes>((bits >> 52) | 0x4330000000000000UL) - V::broadcast(kTwo52 + 1023.0);
  Lanes m = reinterpret_cast<Lanes>((bits & 0x000fffffffffffffUL) | 0x3ff0000000000000UL);
  const Mask high = V::above(m, V::broadcast(1.4142135623730951));
  m = V::select(high, m * V::broadcast(0.5), m);
  e = V::select(high, e + V::broadcast(1.0), e);
  const Lanes s = (m - V::broadcast(1.0)) / (m + V::broadcast(1.0));
  const Lanes s2 = s * s;
  Lanes sum = V::broadcast(1.0 / 15.0);
  for (int j = 13; j >= 1; j -= 2) sum = sum * s2 + V::broadcast(1.0 / j);
  return e * V::broadcast(0.6931471805599453) + V::broadcast(2.0) * s * sum;
}

// For the sets that call the library: an estimate of BackTransform worked
// out with vector operations, and how far the library's value may lie from
// it, lane by lane: |BackTransform(Set, t) - estimate| <= slack. The slack
// is a billionth of the value (1e-9, plus 1e-9 for a logarithm near 0),
// over a thousand times the error of the estimate and millions of times the
// library's, so that it holds beyond doubt. Out of the estimate's range the
// slack is infinite; where BackTransform returns t itself it is 0.
template <class V, EquationSet Set>
[[gnu::always_inline]] inline void EstimateBackTransform(typename V::Lanes t, typename V::Lanes& estimate,
                                                         typename V::Lanes& slack) {
  static_assert(!HasCheapBackTransform(Set), "only the transforms that call the library");
  using Lanes = typename V::Lanes;
  const Lanes zero = V::broadcast(0.0);
  const Lanes unknown = V::broadcast(std::numeric_limits<double>::infinity());
  const Lanes tolerance = V::broadcast(1e-9);
  if constexpr (Set == EquationSet::Cube) {
    const typename V::Mask inRange = V::atLeast(t, V::broadcast(1e-300)) & V::atMost(t, V::broadcast(1e300));
    const Lanes power = LanesExp<V>(V::broadcast(kCubeRootPower) * LanesLog<V>(t));
    estimate = V::select(inRange, power, t);
    slack = V::select(inRange, power * tolerance, V::select(V::atMost(t, zero), zero, unknown));
  } else if constexpr (Set == EquationSet::Log) {
    const typename V::Mask inRange = V::atLeast(t, V::broadcast(-700.0)) & V::atMost(t, V::broadcast(700.0));
    estimate = LanesExp<V>(t);
    slack = V::select(inRange, estimate * tolerance, unknown);
  } else {
    const typename V::Mask inRange = V::atLeast(t, V::broadcast(1e-300)) & V::atMost(t, V::broadcast(1e300));
    const Lanes logarithm = LanesLog<V>(t);
    estimate = V::select(inRange, logarithm, t);
    slack = V::select(inRange, tolerance * (V::broadcast(1.0) + V::abs(logarithm)),
                      V::select(V::atMost(t, zero), zero, unknown));
  }
}

}  // namespace rv
