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

// Adding 1.5 * 2^52 and taking it away rounds a double below 2^51 to an
// integer; 2^52 + n holds a small integer n in its low bits.
inline constexpr double kToInteger = 6755399441055744.0;
inline constexpr double kTwo52 = 4503599627370496.0;

// 2^k for small integers k held as doubles: 2^52 + k + 1023 holds k + 1023
// in its low bits, which go to the exponent.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes PowerOfTwo(typename V::Lanes k) {
  using Bits = typename V::Bits;
  const Bits biased = reinterpret_cast<Bits>(k + V::broadcast(kTwo52 + 1023.0)) - 0x4330000000000000UL;
  return reinterpret_cast<typename V::Lanes>(biased << 52);
}

// first + second x, lane by lane: two terms of a series in x.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes TwoTerms(double first, double second, typename V::Lanes x) {
  return V::broadcast(first) + V::broadcast(second) * x;
}

// e^t for |t| <= 700 within 5e-13 of its value: t = k ln 2 + r with |r| <=
// ln 2 / 2, the Taylor polynomial of e^r to degree 10 (the rest is below
// |r|^11 / 11! e^|r|, 4.5e-13 of e^r), times 2^k. The polynomial goes by
// pairs of terms, then by pairs of pairs, so that its products run side by
// side.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes LanesExp(typename V::Lanes t) {
  using Lanes = typename V::Lanes;
  const Lanes k = (t * V::broadcast(1.4426950408889634) + V::broadcast(kToInteger)) - V::broadcast(kToInteger);
  const Lanes r = t - k * V::broadcast(0.6931471805599453);
  const Lanes r2 = r * r;
  const Lanes r4 = r2 * r2;
  // The terms r^j / j!: to r^3, r^4 to r^7, r^8 to r^10.
  const Lanes low = TwoTerms<V>(1.0, 1.0, r) + TwoTerms<V>(1.0 / 2, 1.0 / 6, r) * r2;
  const Lanes middle = TwoTerms<V>(1.0 / 24, 1.0 / 120, r) + TwoTerms<V>(1.0 / 720, 1.0 / 5040, r) * r2;
  const Lanes high = TwoTerms<V>(1.0 / 40320, 1.0 / 362880, r) + V::broadcast(1.0 / 3628800) * r2;
  const Lanes sum = (low + middle * r4) + high * (r4 * r4);
  return sum * PowerOfTwo<V>(k);
}

// A positive normal t as m 2^e: its mantissa m, from 1 to 2, and its
// exponent e as a double (the biased exponent in the low bits of 2^52 gives
// e + 1023).
template <class V>
[[gnu::always_inline]] inline void SplitExponent(typename V::Lanes t, typename V::Lanes& e, typename V::Lanes& m) {
  using Lanes = typename V::Lanes;
  const typename V::Bits bits = reinterpret_cast<typename V::Bits>(t);
  e = reinterpret_cast<Lanes>((bits >> 52) | 0x4330000000000000UL) - V::broadcast(kTwo52 + 1023.0);
  m = reinterpret_cast<Lanes>((bits & 0x000fffffffffffffUL) | 0x3ff0000000000000UL);
}

// ln t for 1e-300 <= t <= 1e300 within 3e-13 of its value: t = m 2^e with
// m between 1/sqrt 2 and sqrt 2, ln m = 2 artanh s for s = (m - 1) / (m + 1),
// |s| < 0.172, its series to s^15 (the rest is below 3e-14), plus e ln 2.
// The series goes by pairs of terms, then pairs of pairs, so that its
// products run side by side.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes LanesLog(typename V::Lanes t) {
  using Lanes = typename V::Lanes;
  using Mask = typename V::Mask;
  Lanes e, m;
  SplitExponent<V>(t, e, m);
  const Mask high = V::above(m, V::broadcast(1.4142135623730951));
  m = V::select(high, m * V::broadcast(0.5), m);
  e = V::select(high, e + V::broadcast(1.0), e);
  const Lanes s = (m - V::broadcast(1.0)) / (m + V::broadcast(1.0));
  const Lanes s2 = s * s;
  const Lanes s4 = s2 * s2;
  const Lanes sum = (TwoTerms<V>(1.0, 1.0 / 3, s2) + TwoTerms<V>(1.0 / 5, 1.0 / 7, s2) * s4) +
                    (TwoTerms<V>(1.0 / 9, 1.0 / 11, s2) + TwoTerms<V>(1.0 / 13, 1.0 / 15, s2) * s4) * (s4 * s4);
  return e * V::broadcast(0.6931471805599453) + V::broadcast(2.0) * s * sum;
}

// t^kCubeRootPower for 1e-300 <= t <= 1e300 within 4e-13 of its value, by
// way of the cube root: t = x 2^(3q) with x = m 2^r between 1 and 8 (m the
// mantissa, r = 0, 1 or 2); x^(-1/3) first from a cubic in m (within
// 3.1e-4) times 2^(-r/3), then two Newton steps for w^-3 = x, each of which
// leaves about twice the square of the error before it (2e-7, then 1e-13);
// the root is x w^2 2^q. The power falls short of the cube root by the
// factor t^-d, d = 1/3 - kCubeRootPower (3.3e-13): 1 - d ln t within 1e-19,
// with ln t taken as e ln 2 for t's exponent e, 2.3e-13 short at most.
template <class V>
[[gnu::always_inline]] inline typename V::Lanes LanesCubeRootPower(typename V::Lanes t) {
  using Lanes = typename V::Lanes;
  using Mask = typename V::Mask;
  Lanes e, m;
  SplitExponent<V>(t, e, m);
  // (e - 1) / 3 lies on an integer or a third away from it, so that the
  // nearest integer q leaves r = e - 3q at 0, 1 or 2.
  const Lanes q =
      ((e - V::broadcast(1.0)) * V::broadcast(1.0 / 3.0) + V::broadcast(kToInteger)) - V::broadcast(kToInteger);
  const Lanes r = e - V::broadcast(3.0) * q;
  const Mask rFromOne = V::above(r, V::broadcast(0.5));
  const Mask rTwo = V::above(r, V::broadcast(1.5));
  const Lanes x = m * V::select(rTwo, V::broadcast(4.0), V::select(rFromOne, V::broadcast(2.0), V::broadcast(1.0)));
  const Lanes z = m - V::broadcast(1.5);
  const Lanes cubic = ((V::broadcast(-0.04863305334283936) * z + V::broadcast(0.09299852813038462)) * z +
                       V::broadcast(-0.19400587520842064)) *
                          z +
                      V::broadcast(0.8733682101347918);
  Lanes w = cubic * V::select(rTwo, V::broadcast(0.6299605249474366),
                              V::select(rFromOne, V::broadcast(0.7937005259840998), V::broadcast(1.0)));
  const Lanes xThird = x * V::broadcast(1.0 / 3.0);
  for (int step = 0; step < 2; ++step) w = w * (V::broadcast(4.0 / 3.0) - xThird * (w * w * w));
  const Lanes shortfall = V::broadcast((1.0 / 3.0 - kCubeRootPower) * 0.6931471805599453) * e;
  return x * (w * w) * PowerOfTwo<V>(q) * (V::broadcast(1.0) - shortfall);
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
    const Lanes power = LanesCubeRootPower<V>(t);
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
