#pragma once

#include <array>
#include <cstdint>

namespace rv {

inline constexpr int kPaletteSize = 256;
inline constexpr int kRampLength = 32;

struct PaletteColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

// The colour-index palette every graph colour is drawn through: eight ramps
// of 32 entries (grey, red, green, blue, yellow, cyan, magenta, white), the
// bright end of each colour ramp at 255.
struct GraphPalette {
  std::array<PaletteColor, kPaletteSize> colors{};

  constexpr const PaletteColor& operator[](int index) const { return colors[static_cast<size_t>(index)]; }
  // 0xAARRGGBB with full opacity, as picture colour tables take it.
  constexpr std::uint32_t argb(int index) const {
    const PaletteColor& c = (*this)[index];
    return 0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | std::uint32_t{c.blue};
  }
};

constexpr GraphPalette MakeGraphPalette() {
  GraphPalette palette;
  for (int k = 0; k < kRampLength; ++k) {
    const auto grey = static_cast<std::uint8_t>(k <= 28 ? 9 * k : 255);
    const auto bright = static_cast<std::uint8_t>(69 + 6 * k);
    auto set = [&palette, k](int ramp, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
      palette.colors[static_cast<size_t>(ramp * kRampLength + k)] = {r, g, b};
    };
    set(0, grey, grey, grey);
    set(1, bright, 0, 0);
    set(2, 0, bright, 0);
    set(3, 0, 0, bright);
    set(4, bright, bright, 0);
    set(5, 0, bright, bright);
    set(6, bright, 0, bright);
    set(7, 255, 255, 255);
  }
  return palette;
}

inline constexpr GraphPalette kGraphPalette = MakeGraphPalette();

}  // namespace rv
