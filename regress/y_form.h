#pragma once

#include <cmath>

#include "regress/zero_guard.h"

namespace rv {

// The six transforms of Y, one per equation set; the value is the set number.
enum YForm : int {
  kSetY = 1,          // "Y ="
  kSetReciprocal = 2, // "1/Y ="
  kSetSquare = 3,     // "Y^2 ="
  kSetCube = 4,       // "Y^3 ="
  kSetLog = 5,        // "ln(Y) ="
  kSetExp = 6         // "exp(Y) ="
};

// The head that opens the equation text of a set.
const char* YFormHead(int set);

// The transformed Y of one point; false when Y fails the set's guard.
bool TransformY(int set, double y, double& transformed);

// The cube root as the program computes it: the power 0.333333333333, not 1/3.
inline constexpr double kCubeRootPower = 0.333333333333;

// Whether a value on the transformed scale maps back to a Y: the guards
// BackTransform applies. Outside them BackTransform hands the argument back
// unchanged, which is no value of Y.
inline bool HasBackTransform(int set, double t) {
  switch (set) {
    case kSetReciprocal: return std::fabs(t) > kZeroGuard;
    case kSetSquare:
    case kSetCube: return t >= 0.0;
    case kSetExp: return t > 0.0;
  }
  return true;
}

// Maps a value on the transformed scale back to Y. Outside its guard the
// argument comes back unchanged. Inline: the search calls it for every point
// of every candidate.
inline double BackTransform(int set, double t) {
  switch (set) {
    case kSetReciprocal: return std::fabs(t) > kZeroGuard ? 1.0 / t : t;
    case kSetSquare: return t >= 0.0 ? std::sqrt(t) : t;
    case kSetCube: return t >= 0.0 ? std::pow(t, kCubeRootPower) : t;
    case kSetLog: return std::exp(t);
    case kSetExp: return t > 0.0 ? std::log(t) : t;
  }
  return t;
}

}  // namespace rv
