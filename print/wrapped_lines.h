#pragma once

#include <string>
#include <vector>

#include "print/page_canvas.h"

namespace rv {

// The text broken into lines that each fit the width in the font: after
// the last blank that lets a line fit, or, in a word wider than the width,
// between two characters. Every line holds at least one character, so a
// width narrower than one character still ends; a text that fits is one
// line, an empty text one empty line.
std::vector<std::string> WrappedLines(PageCanvas& canvas, PrintFont font, const std::string& text, int width);

}  // namespace rv
