#include "graph/graph_color.h"

#include <array>

namespace rv {

namespace {

// Also the swatch order of the Options dialog: black, white, grey, dark
// grey, then dark and bright red, yellow, green (bright first), cyan, blue
// (bright first) and magenta.
constexpr std::array<std::uint8_t, kGraphColorCount> kColorIndex = {0,  31, 21,  14,  42,  63,  138, 159,
                                                                    95, 74, 170, 191, 127, 106, 202, 223};
constexpr std::array<std::uint8_t, kGraphColorCount> kShadeBase = {0,  0,  0,   0,   32, 32, 128, 128,
                                                                   64, 64, 160, 160, 96, 96, 192, 192};

bool IsColor(std::int32_t selection) { return selection >= 0 && selection < kGraphColorCount; }

}  // namespace

std::optional<std::uint8_t> GraphColorIndex(std::int32_t selection) {
  if (!IsColor(selection)) return std::nullopt;
  return kColorIndex[static_cast<size_t>(selection)];
}

std::uint8_t ShadeBase(std::int32_t selection) {
  return IsColor(selection) ? kShadeBase[static_cast<size_t>(selection)] : 0;
}

}  // namespace rv
