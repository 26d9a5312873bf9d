#pragma once

#include <vector>

#include "stats/residual_table.h"

namespace rv {

// Where the observed-versus-calculated chart puts its points: the smallest
// Y Calc at x = left, the largest at left + width; the smallest Y Obs at
// y = bottom, the largest at bottom - height (y grows downward).
struct ChartFrame {
  int left;
  int bottom;
  int width;
  int height;
};

// The chart in the statistics dialog, in pixels of the chart control.
inline constexpr ChartFrame kScreenChartFrame{39, 144, 309, 136};
// The chart picture copied to the clipboard, in units of its 1300 x 1300 square.
inline constexpr ChartFrame kPictureChartFrame{270, 1030, 960, 960};

struct ChartPoint {
  int x;
  int y;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// One point per data point whose Y Obs and Y Calc are both finite, in point
// order. Offsets are truncated toward zero. When all Y Calc (or all Y Obs)
// are equal their range is zero, and the points go on the frame's centre
// line instead.
std::vector<ChartPoint> ChartPoints(const ResidualTable& table, const ChartFrame& frame);

}  // namespace rv
