#pragma once

#include <cmath>

#include "sheet/equation_set.h"

namespace rv {

// The head that opens the equation text of a set.
const char* YFormHead(EquationSet set);

// The transformed Y of one point; false when Y fails the set's guard (a
// reciprocal of a nonzero Y, a square or cube of a Y not below 0, a logarithm
// or exponential of a positive Y) or the result is not finite, as
// exp(Y) of a Y above 709.78 is not: every candidate of the set is then
// outside its range.
bool TransformY(EquationSet set, double y, double& transformed);

// The cube root as the program computes it: the power 0.333333333333, not 1/3.
inline constexpr double kCubeRootPower = 0.333333333333;

// Whether a value on the transformed scale maps back to a Y: the guards
// BackTransform applies. Outside them BackTransform hands the argument back
// unchanged, which is no value of Y.
inline bool HasBackTransform(EquationSet set, double t) {
  switch (set) {
    case EquationSet::Reciprocal: return t != 0.0;
    case EquationSet::Square:
    case EquationSet::Cube: return t >= 0.0;
    case EquationSet::Exp: return t > 0.0;
    case EquationSet::Y:
    case EquationSet::Log: break;
  }
  return true;
}

// Maps a value on the transformed scale back to Y. Outside its guard the
// argument comes back unchanged. Inline: the search calls it for every point
// of every candidate.
inline double BackTransform(EquationSet set, double t) {
  switch (set) {
    case EquationSet::Y: break;
    case EquationSet::Reciprocal: return t != 0.0 ? 1.0 / t : t;
    case EquationSet::Square: return t >= 0.0 ? std::sqrt(t) : t;
    case EquationSet::Cube: return t >= 0.0 ? std::pow(t, kCubeRootPower) : t;
    case EquationSet::Log: return std::exp(t);
    case EquationSet::Exp: return t > 0.0 ? std::log(t) : t;
  }
  return t;
}

}  // namespace rv
