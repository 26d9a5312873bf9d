#pragma once

#include <string>
#include <vector>

namespace rv {

// The parameters of a generated function: every variable the equation text
// names (X followed by one or two digits), once each, in the order of their
// first appearance in the text.
std::vector<std::string> ParameterNames(const std::string& equationText);

}  // namespace rv
