#pragma once

#include <string>

#include "graph/graph_selection.h"
#include "sheet/data_sheet.h"

namespace rv {

enum class GraphAxis { X, Y, Z };

// The axis title: the Y name for the value axis, the first variable's name
// for X, the second's for Z (nothing for a curve), in upper case.
std::string AxisTitle(const DataSheet& sheet, const GraphSelection& selection, GraphAxis axis);

}  // namespace rv
