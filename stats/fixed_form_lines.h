#pragma once

#include <string>

namespace rv {

// FORTRAN reads a statement line only up to column 72. Every statement line
// of the text (lines end with CR LF; comment lines start with 'C') that is
// longer is continued at its last blank within the 72 columns on a
// continuation line "     1     "; shorter lines stay as they are.
std::string FitFixedFormLines(const std::string& text);

}  // namespace rv
