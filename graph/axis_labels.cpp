#include "graph/axis_labels.h"

#include <cctype>

#include "graph/label_text.h"

namespace rv {

namespace {

std::vector<AxisLabel> Labels(double start, double step, int count) {
  std::vector<double> values;
  double value = start;
  for (int i = 0; i < count; ++i) {
    values.push_back(value);
    value = value + step;
  }
  const std::vector<std::string> texts = AxisLabelTexts(values, step);
  std::vector<AxisLabel> labels;
  for (size_t i = 0; i < values.size(); ++i) labels.push_back({values[i], texts[i]});
  return labels;
}

}  // namespace

std::vector<AxisLabel> AxisLabels(const Surface& surface, GraphAxis axis) {
  const GraphRanges& r = surface.ranges;
  const SegmentSteps& steps = surface.steps;
  switch (axis) {
    case GraphAxis::Y: return Labels(r.valueMax, -steps.value, steps.ySegments + 1);
    case GraphAxis::X: return Labels(r.xMin, steps.x, steps.xSegments + 1);
    case GraphAxis::Z:
      if (surface.isCurve()) return {};
      return Labels(r.zMin + steps.z, steps.z, steps.zSegments);
  }
  return {};
}

std::string AxisTitle(const DataSheet& sheet, const GraphSelection& selection, GraphAxis axis) {
  int column = 0;
  if (axis == GraphAxis::X) column = selection.first;
  if (axis == GraphAxis::Z) {
    if (selection.count != 2) return {};
    column = selection.second;
  }
  std::string title = sheet.names[static_cast<size_t>(column)];
  for (char& c : title) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return title;
}

}  // namespace rv
