#pragma once

#include "base/print_settings.h"
#include "base/vector_graph.h"
#include "print/page_canvas.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv {

inline constexpr int kGraphPictureSide = 1950;  // 6.5 inches
inline constexpr int kSmallestGraphPictureSide = 1200;

// The graph's page: the titles, the picture as vectors in a square of at
// most 6.5 inches, and the equation with "Coefficients" and a line per
// coefficient, "a = " followed by its value with "%.12E" and a two-digit
// exponent: below the picture standing, beside it lying. Lines are a line
// height apart; a line too long for its place breaks after the "=". The
// picture gives up room, down to 4 inches, so that the text fits beside or
// below it; lying, a text that would not fit beside it goes below, and a
// text that does not fit the page goes on over a further page.
void PrintGraphReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                      const VectorGraph& graph, const FitWorkspace& equation);

}  // namespace rv
