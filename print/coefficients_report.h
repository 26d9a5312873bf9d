#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv {

// The current equation's text and, under "Coefficients", one line per
// coefficient: its label ("a =") and its value ("%.12E", two-digit exponent).
void PrintCoefficientsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                             const FitWorkspace& equation);

}  // namespace rv
