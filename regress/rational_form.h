#pragma once

namespace rv {

// The value of a rational equation (a u + c) / (1 - b x) on the transformed
// scale of Y: u is the numerator's column (X_v, or X_v X_v for the square
// form) and x the denominator's variable X_w. The steps and their order are
// fixed, so that the score, the statistics and every evaluation of the
// equation agree to the bit. A zero denominator gives an infinity or a
// not-a-number, which no score accepts.
inline double RationalValue(double a, double b, double c, double u, double x) {
  double t = a * u;
  t = t + c;
  double d = b * x;
  d = 1.0 - d;
  return t / d;
}

}  // namespace rv
