#include "print/job_fonts.h"

#include <algorithm>

namespace rv {

namespace {

int ClampedHeight(long long height) {
  return static_cast<int>(std::clamp<long long>(height, kMinFontHeight, kMaxFontHeight));
}

}  // namespace

JobFontHeights JobFontHeightsFor(int fontSize) {
  const long long size = fontSize;
  return {ClampedHeight(4 * size), ClampedHeight(6 * size), ClampedHeight(5 * size)};
}

JobFonts JobFontsFor(const PrintSettings& settings) {
  const JobFontHeights heights = JobFontHeightsFor(settings.fontSize);
  JobFonts fonts;
  fonts[static_cast<size_t>(PrintFont::Footer)] = {kFooterFace, kFooterFontHeight, false};
  fonts[static_cast<size_t>(PrintFont::Body)] = {settings.fontFace, heights.body, false};
  fonts[static_cast<size_t>(PrintFont::Title1)] = {settings.fontFace, heights.title1, false};
  fonts[static_cast<size_t>(PrintFont::Title2)] = {settings.fontFace, heights.title2, false};
  fonts[static_cast<size_t>(PrintFont::ChartCaption)] = {kChartCaptionFace, kChartCaptionHeight, false};
  fonts[static_cast<size_t>(PrintFont::ChartCaptionVertical)] = {kChartCaptionFace, kChartCaptionHeight, true};
  return fonts;
}

}  // namespace rv
