#pragma once

#include <string>
#include <string_view>

namespace rv {

// A variable's name taken from a heading of pasted or imported text: the
// blanks and quotes around it and any control character dropped, then cut to
// the kMaxNameLength characters the data file stores (UTF-8 characters, not
// bytes).
std::string VariableNameFromText(std::string_view heading);

// True when the heading is longer than the name it gives.
bool VariableNameIsCut(std::string_view heading);

}  // namespace rv
