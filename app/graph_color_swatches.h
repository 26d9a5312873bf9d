#pragma once

#include <QColor>
#include <array>
#include <cstdint>

#include "sheet/document.h"

namespace rv {

// The colour that a graph colour selection 0 to 15 shows on screen, the
// palette entry the graph draws it with; 16 and above mean none (invalid).
QColor GraphSwatchColor(std::int32_t selection);

// The colour selections of "Black and White" in the Options dialog, in the
// order of GraphColorElement; Shade Surface goes off with them.
inline constexpr std::array<std::int32_t, kGraphColorElementCount> kBlackAndWhiteGraphColors = {
    1, 16, 0, 0, 1, 0, 0, 0, 16, 0, 0, 16, 0, 0, 16, 0};

}  // namespace rv
