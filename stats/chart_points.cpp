#include "stats/chart_points.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace rv {

namespace {

// How far value lies from the minimum, on a scale where the range spans
// span units. The product comes before the division, so a value lands on the
// same unit whatever the platform.
std::optional<int> Offset(double value, double minimum, double range, int span) {
  if (!std::isfinite(value)) return std::nullopt;
  if (range == 0.0) return span / 2;
  const double offset = (value - minimum) * span / range;
  if (!std::isfinite(offset)) return std::nullopt;
  return static_cast<int>(std::trunc(std::clamp(offset, 0.0, static_cast<double>(span))));
}

}  // namespace

std::vector<ChartPoint> ChartPoints(const ResidualTable& table, const ChartFrame& frame) {
  std::vector<ChartPoint> points;
  for (int i = 0; i < table.pointCount(); ++i) {
    const auto across = Offset(table.yCalc[static_cast<size_t>(i)], table.calcMin, table.calcRange, frame.width);
    const auto up = Offset(table.yObs[static_cast<size_t>(i)], table.obsMin, table.obsRange, frame.height);
    if (across && up) points.push_back({frame.left + *across, frame.bottom - *up});
  }
  return points;
}

}  // namespace rv
