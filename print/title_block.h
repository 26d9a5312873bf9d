#pragma once

#include <string>

#include "print/print_job.h"
#include "sheet/document.h"

namespace rv {

// The distance between lines of body text: 5 × font size.
int LineHeight(int fontSize);

// A printout title is printed only when it is longer than three characters.
bool TitleIsPrinted(const std::string& title);

struct TitleBlockEnd {
  int y;         // where the report's body goes on
  bool printed;  // whether a title line was printed
};

// The printout titles centred at the top of the page: Title 1 in the
// title-1 font at y 300, Title 2 in the title-2 font below it, each taking
// LineHeight × 10 / 8. Without titles the body starts at y 300.
TitleBlockEnd PrintTitleBlock(PrintJob& job, const DocumentOptions& options, int lineHeight);

// The text centred on the page in the body font, wrapped to the body's
// width, a line every lineHeight from y; returns the y below its last line.
int PrintCentredText(PrintJob& job, const std::string& text, int y, int lineHeight);

}  // namespace rv
