#include <cmath>

#include "graph/graph_color.h"
#include "graph/scene_lists.h"

namespace rv {

namespace {

constexpr double kLeftOf = 1.0;
constexpr double kCentred = 0.5;

struct LabelPlacement {
  double zPlane;     // z of the Y labels, and of X labels and titles of a curve
  double yLabelGap;  // share of the X range between the back plane and the Y labels
  double yTitleGap;  // share of the X range between the Y labels and the Y title
};

// A label at every tick of the axis (but at skipped values), placed by at,
// its text to be made for the step the labels shown stand apart.
template <typename At, typename Skip>
void AddTicks(DisplayList& list, const AxisTicks& ticks, TextRole role, std::uint8_t index, double align, bool middle,
              At at, Skip skip) {
  for (const long long multiple : ticks.multiples) {
    const double value = ticks.value(multiple);
    if (skip(value)) continue;
    RasterText text = at(value);
    text.index = index;
    text.role = role;
    text.align = align;
    text.middle = middle;
    text.multiple = multiple;
    text.value = value;
    list.commands.emplace_back(std::move(text));
  }
}

constexpr auto kNone = [](double) { return false; };

// The Y title stands one character above the other, the first lowest, its
// middle at the middle of the value range.
void AddColumnTitle(DisplayList& list, const std::string& title, double x, double z, const GraphRanges& r,
                    std::uint8_t index) {
  const double vr = r.valueRange();
  double y = (r.valueMin + r.valueMax) / 2 - static_cast<double>(title.size() - 1) * 0.05 * vr;
  for (const char c : title) {
    RasterText run{x, y, z, index, std::string(1, c), TextRole::YTitle};
    run.align = kCentred;
    list.commands.emplace_back(std::move(run));
    y = y + 0.05 * vr;
  }
}

// Right of the back plane's left edge, each label's right end a gap from it.
void AddYLabels(DisplayList& list, const GraphModel& model, const LabelPlacement& at, std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double x = r.xMin - at.yLabelGap * r.xRange();
  AddTicks(
      list, model.surface.ticks.value, TextRole::YLabel, index, kLeftOf, true,
      [&](double value) {
        return RasterText{x, value, at.zPlane};
      },
      kNone);
  if (!model.yTitle.empty())
    AddColumnTitle(list, model.yTitle, x - (at.yLabelGap + at.yTitleGap) * r.xRange(), at.zPlane, r, index);
}

// Left of the box at its bottom, each along its Z value; the Z min corner
// is not labelled.
void AddZLabels(DisplayList& list, const GraphModel& model, std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double x = r.xMin - 0.05 * r.xRange();
  const double y = r.valueMin - r.valueRange() / 30;
  const double corner = model.surface.ticks.z.step * 1e-6;
  AddTicks(
      list, model.surface.ticks.z, TextRole::ZLabel, index, kLeftOf, false,
      [&](double value) {
        return RasterText{x, y, value};
      },
      [&](double value) { return std::fabs(value - r.zMin) < corner; });
  RasterText title{x - 0.1 * r.xRange(), r.valueMin, (r.zMin + r.zMax) / 2, index, model.zTitle, TextRole::ZTitle};
  title.align = kLeftOf;
  list.commands.emplace_back(std::move(title));
}

// Below the box, each centred under its X value, and the title below them.
void AddXLabels(DisplayList& list, const GraphModel& model, double z, std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double y = r.valueMin - 0.05 * r.valueRange();
  AddTicks(
      list, model.surface.ticks.x, TextRole::XLabel, index, kCentred, false,
      [&](double value) {
        return RasterText{value, y, z};
      },
      kNone);
  RasterText title{(r.xMin + r.xMax) / 2, r.valueMin - 0.125 * r.valueRange(), z, index, model.xTitle,
                   TextRole::XTitle};
  title.align = kCentred;
  list.commands.emplace_back(std::move(title));
}

}  // namespace

DisplayList LabelList(const GraphModel& model, const GraphOptions& options) {
  DisplayList list;
  const Surface& surface = model.surface;
  const GraphRanges& r = surface.ranges;
  const bool curve = surface.isCurve();
  const LabelPlacement placement = curve ? LabelPlacement{0.0, 0.025, 0.05} : LabelPlacement{r.zMin, 0.05, 0.1};
  if (const auto index = GraphColorIndex(options.color(kYLabels))) AddYLabels(list, model, placement, *index);
  if (!curve)
    if (const auto index = GraphColorIndex(options.color(kZLabels))) AddZLabels(list, model, *index);
  if (const auto index = GraphColorIndex(options.color(kXLabels)))
    AddXLabels(list, model, curve ? 0.0 : r.zMax + 0.05 * r.zRange(), *index);
  return list;
}

}  // namespace rv
