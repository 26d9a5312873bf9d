#pragma once

#include <array>
#include <string>

#include "base/print_settings.h"

namespace rv {

// The fonts a print job creates. Body and titles are in the chosen face and
// grow with the font size; the footer and the chart captions are fixed.
enum class PrintFont { Footer = 0, Body, Title1, Title2, ChartCaption, ChartCaptionVertical };
inline constexpr int kPrintFontCount = 6;

inline constexpr int kMinFontHeight = 8;  // every size-dependent height is kept within these
inline constexpr int kMaxFontHeight = 120;
inline constexpr int kFooterFontHeight = 32;
inline constexpr int kChartCaptionHeight = 80;
inline constexpr const char* kFooterFace = "Arial";
inline constexpr const char* kChartCaptionFace = "Tahoma";

// One font: its face, the height of its character cell in page units, and
// whether its text runs upward (turned a quarter to the left).
struct PrintFontChoice {
  std::string face;
  int height = 0;
  bool vertical = false;
  friend bool operator==(const PrintFontChoice&, const PrintFontChoice&) = default;
};

using JobFonts = std::array<PrintFontChoice, kPrintFontCount>;

struct JobFontHeights {
  int body;    // 4 × font size
  int title1;  // 6 × font size
  int title2;  // 5 × font size
};

// The heights of the size-dependent fonts, each within 8 … 120.
JobFontHeights JobFontHeightsFor(int fontSize);

// Every font of a job with these settings, indexed by PrintFont.
JobFonts JobFontsFor(const PrintSettings& settings);

inline const PrintFontChoice& FontOf(const JobFonts& fonts, PrintFont font) { return fonts[static_cast<size_t>(font)]; }

}  // namespace rv
