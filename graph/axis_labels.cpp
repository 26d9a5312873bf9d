#include "graph/axis_labels.h"

#include <cctype>

namespace rv {

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
