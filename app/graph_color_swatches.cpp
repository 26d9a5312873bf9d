#include "app/graph_color_swatches.h"

namespace rv {

namespace {

// Palette entry k of a ramp: the grey ramp is 9k (255 from k = 29), the
// colour ramps 69 + 6k; the selections use these entries.
struct Swatch {
  int ramp;  // bit 0 red, bit 1 green, bit 2 blue; 7 grey
  int k;
};

constexpr std::array<Swatch, 16> kSwatches = {{
    {7, 0},   // black
    {7, 31},  // white
    {7, 21},  // grey
    {7, 14},  // dark grey
    {1, 10},  // dark red
    {1, 31},  // red
    {3, 10},  // dark yellow
    {3, 31},  // yellow
    {2, 31},  // green
    {2, 10},  // dark green
    {6, 10},  // dark cyan
    {6, 31},  // cyan
    {4, 31},  // blue
    {4, 10},  // dark blue
    {5, 10},  // dark magenta
    {5, 31},  // magenta
}};

int RampLevel(const Swatch& swatch) {
  if (swatch.ramp == 7) return swatch.k >= 29 ? 255 : 9 * swatch.k;
  return 69 + 6 * swatch.k;
}

}  // namespace

QColor GraphSwatchColor(std::int32_t selection) {
  if (selection < 0 || selection > 15) return {};
  const Swatch& swatch = kSwatches[static_cast<size_t>(selection)];
  const int level = RampLevel(swatch);
  return {(swatch.ramp & 1) ? level : 0, (swatch.ramp & 2) ? level : 0, (swatch.ramp & 4) ? level : 0};
}

}  // namespace rv
