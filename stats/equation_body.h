#pragma once

#include <string>

#include "regress/candidate.h"

namespace rv {

// The three spellings of generated code: BASIC, C (also C++) and FORTRAN.
enum class CodeDialect { Basic = 1, C = 2, Fortran = 3 };

// The one statement that evaluates the equation, without a line end: the Y
// form's head (which undoes the transform of Y), every term in order, then
// the constant's letter and the closing. FORTRAN uses upper-case letters.
// The rational form writes its constant as the literal c (C in FORTRAN).
std::string BuildEquationBody(const Candidate& candidate, CodeDialect dialect);

// The value of one ordinary term (not a piece of the rational form) as an
// expression, spelled as BuildEquationBody spells it without its
// coefficient: "X1 * X1", "1 / sqrt (X2)".
std::string TermValueExpression(const Term& term, CodeDialect dialect);

}  // namespace rv
