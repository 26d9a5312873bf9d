#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "stats/function_language.h"

namespace rv {

// The current equation's function listing in the language, one line per
// line height at the left margin, over as many pages as it takes. A line
// wider than the page wraps; a comment wraps into further comment lines.
void PrintFunctionReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const FitWorkspace& equation, FunctionLanguage language);

}  // namespace rv
