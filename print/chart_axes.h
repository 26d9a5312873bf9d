#pragma once

#include "print/page_canvas.h"
#include "stats/chart_points.h"

namespace rv {

// The chart's square on the page.
struct ChartBox {
  int left, top, right, bottom;
};

// Where the captions go once the axes are numbered: the left edge of the
// vertical caption, the top of the horizontal one.
struct ChartAxesEnd {
  int verticalCaptionX;
  int horizontalCaptionY;
};

// How far below the chart's square its numbers and caption reach.
int ChartAxesDepth(const JobFonts& fonts);

// Round numbers along the chart's axes in the body font: Y Calc under the
// bottom side, Y Obs left of the left side and clear of those, each at
// a short tick mark where the frame maps it (ChartPoints), as many as stand
// apart, a single value where all are equal.
ChartAxesEnd PrintChartAxes(PageCanvas& canvas, const JobFonts& fonts, const ChartFrame& frame, const ChartBox& box,
                            const ResidualTable& table);

}  // namespace rv
