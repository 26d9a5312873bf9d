#include "print/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graph/axis_ticks.h"
#include "graph/label_text.h"

namespace rv {

namespace {

constexpr int kTickLength = 20;
constexpr int kLabelGap = 12;
constexpr int kMostIntervals = 6;

// One axis: the values it maps, from its smallest over its range, onto
// page units from start (the smallest) over span, in the direction sign.
struct AxisMap {
  double min;
  double range;
  int start;
  int span;
  int sign;
  double at(double value) const { return start + sign * (value - min) * span / range; }
};

struct AxisTick {
  int position;
  std::string text;
};

// The values from one end of the box to the other, in round steps; the
// single value on the centre line when there is no range.
std::vector<AxisTick> Ticks(const AxisMap& map, int boxLow, int boxHigh, int intervals) {
  if (!(map.range > 0.0)) return {{(boxLow + boxHigh) / 2, AxisLabelTexts({map.min}, 0.0).front()}};
  const double a = map.min + (boxLow - map.start) * map.sign * map.range / map.span;
  const double b = map.min + (boxHigh - map.start) * map.sign * map.range / map.span;
  const double step = RoundStep(std::fabs(b - a), intervals);
  const std::vector<double> values = TicksWithin(std::min(a, b), std::max(a, b), step);
  const std::vector<std::string> texts = AxisLabelTexts(values, step);
  std::vector<AxisTick> ticks;
  for (size_t i = 0; i < values.size(); ++i)
    ticks.push_back({static_cast<int>(std::lround(map.at(values[i]))), texts[i]});
  return ticks;
}

// The most ticks whose labels stand apart: extent gives a label's room
// along the axis.
template <typename Extent>
std::vector<AxisTick> ApartTicks(const AxisMap& map, int boxLow, int boxHigh, Extent extent) {
  std::vector<AxisTick> ticks;
  for (int intervals = kMostIntervals; intervals >= 1; --intervals) {
    ticks = Ticks(map, boxLow, boxHigh, intervals);
    bool apart = true;
    for (size_t i = 1; i < ticks.size() && apart; ++i)
      apart = std::abs(ticks[i].position - ticks[i - 1].position) >=
              (extent(ticks[i]) + extent(ticks[i - 1])) / 2 + kLabelGap;
    if (apart) break;
  }
  return ticks;
}

}  // namespace

int ChartAxesDepth(const JobFonts& fonts) {
  return kTickLength + kLabelGap + FontOf(fonts, PrintFont::Body).height + kLabelGap +
         FontOf(fonts, PrintFont::ChartCaption).height;
}

ChartAxesEnd PrintChartAxes(PageCanvas& canvas, const JobFonts& fonts, const ChartFrame& frame, const ChartBox& box,
                            const ResidualTable& table) {
  const AxisMap calc{table.calcMin, table.calcRange, frame.left, frame.width, 1};
  const AxisMap obs{table.obsMin, table.obsRange, frame.bottom, frame.height, -1};
  const int fontHeight = FontOf(fonts, PrintFont::Body).height;
  const auto width = [&](const AxisTick& tick) { return canvas.textWidth(PrintFont::Body, tick.text); };

  const int labelTop = box.bottom + kTickLength + kLabelGap;
  for (const AxisTick& tick : ApartTicks(calc, box.left, box.right, width)) {
    canvas.drawLine(tick.position, box.bottom, tick.position, box.bottom + kTickLength, kChartFramePen);
    canvas.drawText(tick.position, labelTop, TextAlign::Centre, PrintFont::Body, tick.text);
  }
  const int labelRight = box.left - kTickLength - kLabelGap;
  int widest = 0;
  // Each Y Obs label stays clear of the numbers under the square.
  const auto height = [&](const AxisTick&) { return fontHeight; };
  const int lowest = std::min(box.bottom, labelTop - (fontHeight + 1) / 2);
  for (const AxisTick& tick : ApartTicks(obs, lowest, box.top, height)) {
    canvas.drawLine(box.left - kTickLength, tick.position, box.left, tick.position, kChartFramePen);
    canvas.drawText(labelRight, tick.position - fontHeight / 2, TextAlign::Right, PrintFont::Body, tick.text);
    widest = std::max(widest, width(tick));
  }
  return {labelRight - widest - kLabelGap - FontOf(fonts, PrintFont::ChartCaptionVertical).height,
          labelTop + fontHeight + kLabelGap};
}

}  // namespace rv
