#pragma once

#include <cstdint>
#include <optional>

namespace rv {

inline constexpr int kGraphColorCount = 16;  // selections 0 to 15; 16 and above mean none

// The palette index of a colour selection, or nothing when the selection is
// none: an element whose colour is none is left out of the picture.
std::optional<std::uint8_t> GraphColorIndex(std::int32_t selection);

// The first entry of the ramp that Shade Surface paints a Solid Surface of
// this colour with; the grey ramp for none.
std::uint8_t ShadeBase(std::int32_t selection);

}  // namespace rv
