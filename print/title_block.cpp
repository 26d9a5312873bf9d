#include "print/title_block.h"

#include <algorithm>

#include "print/wrapped_lines.h"

namespace rv {

namespace {

// Characters, not bytes: the titles are UTF-8.
long CharacterCount(const std::string& text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

}  // namespace

int LineHeight(int fontSize) { return 5 * ClampTypedFontSize(fontSize); }

bool TitleIsPrinted(const std::string& title) { return CharacterCount(title) > 3; }

TitleBlockEnd PrintTitleBlock(PrintJob& job, const DocumentOptions& options, int lineHeight) {
  const int step = lineHeight * 10 / 8;
  const int centre = job.geometry.titleCentre;
  TitleBlockEnd end{kTopMargin, false};
  if (TitleIsPrinted(options.title1)) {
    job.canvas.drawText(centre, end.y, TextAlign::Centre, PrintFont::Title1, options.title1);
    end = {end.y + step, true};
  }
  if (TitleIsPrinted(options.title2)) {
    job.canvas.drawText(centre, end.y, TextAlign::Centre, PrintFont::Title2, options.title2);
    end = {end.y + step, true};
  }
  return end;
}

int PrintCentredText(PrintJob& job, const std::string& text, int y, int lineHeight) {
  const PageGeometry& page = job.geometry;
  const int width = 2 * std::min(page.titleCentre - kLeftMargin, page.bodyRight - page.titleCentre);
  for (const std::string& line : WrappedLines(job.canvas, PrintFont::Body, text, width)) {
    job.canvas.drawText(page.titleCentre, y, TextAlign::Centre, PrintFont::Body, line);
    y += lineHeight;
  }
  return y;
}

}  // namespace rv
