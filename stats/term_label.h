#pragma once

#include <string>
#include <vector>

#include "regress/candidate.h"

namespace rv {

// The label of each of the count coefficients on the Std Errs page, cut from
// the equation text: the text after the first '=' and its blank is split at
// each '+', a label running up to (not including) the next '+' and the next
// one starting two characters after it. "Y = aX1 + bX2 + c" gives "aX1 ",
// "bX2 " and "c"; coefficients left without a piece get an empty label.
std::vector<std::string> TermLabels(const std::string& equationText, int count);

// A rational equation's text does not cut into its coefficients' pieces, so
// they are named by the piece each belongs to: the numerator's term ("aX1"
// or "aX1^2"), the denominator's ("bX3") and the constant "c".
std::vector<std::string> RationalTermLabels(const Candidate& candidate);

}  // namespace rv
