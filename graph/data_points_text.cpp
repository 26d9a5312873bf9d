#include "graph/data_points_text.h"

#include <cmath>

#include "sheet/value_text.h"

namespace rv {

namespace {

// A value of a magnitude the fixed display would show without a single
// significant digit is written in scientific form, so it is not read as 0.
bool TooSmallFor(double value, double smallestShown) { return value != 0.0 && std::fabs(value) < smallestShown; }

std::string Tiny(double value) { return TwoDigitExponent(FormatText("%.6E", value)); }

// "%f" shows six decimals.
std::string CurveNumber(double value) { return TooSmallFor(value, 0.0000005) ? Tiny(value) : FormatText("%f", value); }

std::string CurveText(const Surface& surface) {
  std::string text = FormatText("X%d\tY\r\n", surface.selection.first);
  for (int k = 0; k < kGridPoints; ++k) {
    const SurfacePoint& p = surface.grid[static_cast<size_t>(k)][0];
    text += CurveNumber(p.x) + "\t" + (p.hasValue() ? CurveNumber(p.value) : std::string()) + "\r\n";
  }
  return text;
}

// The general display shows up to eleven decimals, the twelfth rounded into them.
std::string Field(double value) {
  return (TooSmallFor(value, 0.0000000000095) ? Tiny(value) : FormatValueText(value, ValueTextMode::General)) + "\t";
}

std::string SurfaceText(const Surface& surface, const DataSheet& sheet) {
  const SurfaceGrid& grid = surface.grid;
  std::string text = sheet.names[static_cast<size_t>(surface.selection.first)] + "\t" +
                     sheet.names[static_cast<size_t>(surface.selection.second)] + " ->\r\n\t";
  for (const auto& row : grid) text += Field(row[0].z);
  text += "\r\n";
  for (int column = 0; column < kGridPoints; ++column) {
    text += Field(grid[0][static_cast<size_t>(column)].x);
    for (const auto& row : grid) {
      const SurfacePoint& p = row[static_cast<size_t>(column)];
      text += p.hasValue() ? Field(p.value) : "\t";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string GraphDataPointsText(const Surface& surface, const DataSheet& sheet) {
  return surface.isCurve() ? CurveText(surface) : SurfaceText(surface, sheet);
}

}  // namespace rv
