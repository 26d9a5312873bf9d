#pragma once

#include <string>
#include <vector>

namespace rv {

// The texts of one axis's labels, values step apart. All labels of an axis
// share one form: fixed with as many decimals as the step needs, or, when
// that would take more than 8 characters or show a label without a
// significant digit, scientific ("1.5E-25", "7.4E+06") with as many
// significant digits as the step needs. A value within a millionth of a
// step of zero is "0".
std::vector<std::string> AxisLabelTexts(const std::vector<double>& values, double step);

}  // namespace rv
