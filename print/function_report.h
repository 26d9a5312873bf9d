#pragma once

#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "stats/function_language.h"

namespace rv {

// The current equation's function listing in the language, one line per
// line height at the left margin, on one page.
void PrintFunctionReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const FitWorkspace& equation, FunctionLanguage language);

}  // namespace rv
