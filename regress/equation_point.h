#pragma once

#include <cstdint>

#include "regress/fit_workspace.h"

namespace rv {

// The current equation at single variable values, as a picture of it needs
// it. The value is not a number where the equation has none: where a term
// leaves the domain the fit guards it by (ln or sqrt of a non-positive
// value, division by zero and the like) or the back transform has no value.
// poleSide has one bit per denominator of the equation (1/X, 1/ln X, X/X2,
// the rational form's 1 - bX, the 1/Y form's transformed value), set where
// that denominator is negative: two points whose sides differ lie on either
// side of a pole, and nothing may be drawn between them.
struct EquationPoint {
  double value = 0.0;
  std::uint32_t poleSide = 0;
};

EquationPoint EquationPointAt(const FitWorkspace& workspace, const double* variables);

}  // namespace rv
