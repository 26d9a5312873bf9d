#pragma once

#include <string>
#include <vector>

#include "graph/surface.h"
#include "sheet/data_sheet.h"

namespace rv {

enum class GraphAxis { X, Y, Z };

struct AxisLabel {
  double value = 0.0;
  std::string text;
};

// The labels of one axis, in drawing order: the value axis (Y) from the
// value maximum downward by the value step, Y Segments + 1 of them; X from
// X min upward by the X step, X Segments + 1; Z (surfaces only) from one
// step above Z min upward, Z Segments, the Z min corner left unlabelled.
// Texts are made by AxisLabelTexts, in one form per axis.
std::vector<AxisLabel> AxisLabels(const Surface& surface, GraphAxis axis);

// The axis title: the Y name for the value axis, the first variable's name
// for X, the second's for Z (nothing for a curve), in upper case.
std::string AxisTitle(const DataSheet& sheet, const GraphSelection& selection, GraphAxis axis);

}  // namespace rv
