#pragma once

#include <string>

#include "print/page_canvas.h"

namespace rv {

// Each field of the printed term rows keeps at most this many characters.
inline constexpr size_t kTermFieldLength = 31;

// One row of a printed term table: three texts right-aligned at x = 700,
// 1300 and 1900, each cut to kTermFieldLength characters and shown only
// from where the column before it ends, so a wide text never prints over
// its neighbour.
void PrintTermColumns(PageCanvas& canvas, int y, const std::string& term, const std::string& second,
                      const std::string& third);

}  // namespace rv
