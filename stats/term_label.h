#pragma once

#include <string>
#include <vector>

namespace rv {

// The label of each of the count coefficients on the Std Errs page, cut from
// the equation text: the text after the first '=' and its blank is split at
// each '+', a label running up to (not including) the next '+' and the next
// one starting two characters after it. "Y = aX1 + bX2 + c" gives "aX1 ",
// "bX2 " and "c"; coefficients left without a piece get an empty label.
std::vector<std::string> TermLabels(const std::string& equationText, int count);

}  // namespace rv
