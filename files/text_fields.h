#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv {

// The fields of a line of text. A field in double quotes may hold the
// separator, and "" within it is a quote. A blank separator (' ') is a run
// of blanks (spaces and tabs), and blanks at the ends of the line separate
// nothing.
std::vector<std::string> SplitFields(std::string_view line, char separator);

}  // namespace rv
