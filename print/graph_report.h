#pragma once

#include "graph/frame_buffer.h"
#include "graph/graph_palette.h"
#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv {

inline constexpr int kGraphPictureSide = 1950;  // 6.5 inches

// The graph on one page: the titles, the picture stretched to a 6.5-inch
// square, and under "Coefficients" every coefficient of the equation drawn,
// "a = " followed by its value with "%.12E" and a two-digit exponent.
void PrintGraphReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                      const FrameBuffer& picture, const GraphPalette& palette, const FitWorkspace& equation);

}  // namespace rv
