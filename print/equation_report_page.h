#pragma once

#include <functional>
#include <string>

#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "sheet/document.h"

namespace rv {

// A one-page report about an equation: the titles, the equation text
// centred two lines below them, then the body, which is given the y of the
// equation's line and the line height; the footer numbers the page 1.
// Nothing is printed when the job cannot start.
void PrintEquationReportPage(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                             const std::string& equationText, const std::function<void(int y, int lineHeight)>& body);

}  // namespace rv
