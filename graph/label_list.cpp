#include <algorithm>

#include "graph/graph_color.h"
#include "graph/scene_lists.h"

namespace rv {

namespace {

// A title is centred on the middle of its axis by half its width, taking a
// pixel as 0.004 of the X range as the labels do.
constexpr double kHalfPixel = 0.002;

struct LabelPlacement {
  double zPlane;      // z of the Y labels, and of X labels and titles of a curve
  double yLabelGap;   // share of the X range between the back plane and the Y labels
  double yLabelDrop;  // the Y labels sit this share of the value range below their value
  double yTitleGap;   // share of the X range between the Y labels and the Y title
};

// The Y title stands one character above the other, the first lowest, its
// middle at the middle of the value range.
void AddColumnTitle(DisplayList& list, const std::string& title, double x, double z, const GraphRanges& r,
                    std::uint8_t index) {
  const double vr = r.valueRange();
  double y = (r.valueMin + r.valueMax) / 2 - static_cast<double>(title.size() - 1) * 0.05 * vr;
  for (const char c : title) {
    list.commands.emplace_back(RasterText{x, y, z, index, std::string(1, c), TextRole::YTitle});
    y = y + 0.05 * vr;
  }
}

void AddYLabels(DisplayList& list, const GraphModel& model, const LabelPlacement& at, const GlyphSet& glyphs,
                std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double xr = r.xRange();
  double leftmost = r.xMin;
  for (const AxisLabel& label : model.yLabels) {
    const int w = TextWidth(glyphs, label.text);
    const double x = r.xMin - at.yLabelGap * xr - w * 0.004 * xr;
    leftmost = std::min(leftmost, x);
    list.commands.emplace_back(
        RasterText{x, label.value - r.valueRange() * at.yLabelDrop, at.zPlane, index, label.text, TextRole::YLabel});
  }
  if (!model.yTitle.empty()) AddColumnTitle(list, model.yTitle, leftmost - at.yTitleGap * xr, at.zPlane, r, index);
}

void AddZLabels(DisplayList& list, const GraphModel& model, const GlyphSet& glyphs, std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double xr = r.xRange();
  double leftmost = r.xMin;
  for (const AxisLabel& label : model.zLabels) {
    const int w = TextWidth(glyphs, label.text);
    const double x = r.xMin - 0.05 * xr - w * 0.004 * xr;
    leftmost = std::min(leftmost, x);
    list.commands.emplace_back(
        RasterText{x, r.valueMin - r.valueRange() / 30, label.value, index, label.text, TextRole::ZLabel});
  }
  list.commands.emplace_back(
      RasterText{leftmost - 0.1 * xr, r.valueMin, (r.zMin + r.zMax) / 2, index, model.zTitle, TextRole::ZTitle});
}

void AddXLabels(DisplayList& list, const GraphModel& model, double z, const GlyphSet& glyphs, std::uint8_t index) {
  const GraphRanges& r = model.surface.ranges;
  const double step = model.surface.steps.x;
  for (const AxisLabel& label : model.xLabels) {
    const int w = TextWidth(glyphs, label.text);
    list.commands.emplace_back(RasterText{label.value - w * 0.015 * step, r.valueMin - 0.05 * r.valueRange(), z, index,
                                          label.text, TextRole::XLabel});
  }
  const int w = TextWidth(glyphs, model.xTitle);
  list.commands.emplace_back(RasterText{(r.xMin + r.xMax) / 2 - w * kHalfPixel * r.xRange(),
                                        r.valueMin - 0.125 * r.valueRange(), z, index, model.xTitle, TextRole::XTitle});
}

}  // namespace

DisplayList LabelList(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs) {
  DisplayList list;
  const Surface& surface = model.surface;
  const GraphRanges& r = surface.ranges;
  const bool curve = surface.isCurve();
  const LabelPlacement placement =
      curve ? LabelPlacement{0.0, 0.025, 1.0 / 120, 0.05} : LabelPlacement{r.zMin, 0.05, 1.0 / 150, 0.1};
  if (const auto index = GraphColorIndex(options.color(kYLabels))) AddYLabels(list, model, placement, glyphs, *index);
  if (!curve)
    if (const auto index = GraphColorIndex(options.color(kZLabels))) AddZLabels(list, model, glyphs, *index);
  if (const auto index = GraphColorIndex(options.color(kXLabels)))
    AddXLabels(list, model, curve ? 0.0 : r.zMax + 0.05 * r.zRange(), glyphs, *index);
  return list;
}

}  // namespace rv
