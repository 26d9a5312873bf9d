#pragma once

#include <string>

namespace rv {

// A coefficient written into generated code with at least twelve significant
// digits: "%.12f" when that keeps them (zero, or a magnitude of 0.1 or more),
// otherwise "%.12E" with a two-digit exponent and the exponent letter given
// ('E' for BASIC and C, 'D' for FORTRAN's double precision). "n/a" when the
// value is not finite.
std::string CoefficientLiteral(double value, char exponentLetter);

// FORTRAN's DATA value: "%+.12E" with a two-digit exponent written with the
// double precision exponent letter D, so the constant keeps its digits.
std::string FortranDataLiteral(double value);

}  // namespace rv
