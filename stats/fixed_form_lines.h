#pragma once

#include <string>

namespace rv {

// FORTRAN reads a statement line only up to column 72. Every statement line
// of the text (lines end with CR LF; comment lines start with 'C') that is
// longer goes on in continuation lines "     1     ", broken at a blank
// within the 72 columns: before a '+' where possible, else after a ','.
// Shorter lines stay as they are.
std::string FitFixedFormLines(const std::string& text);

}  // namespace rv
