#include "sheet/data_sheet.h"

namespace rv {

std::string DefaultColumnName(int column) {
  return column == 0 ? std::string("Y") : "X" + std::to_string(column);
}

void ClearDataSheet(DataSheet& sheet) {
  for (auto& row : sheet.cells) row.fill(EmptyValue);
  for (int c = 0; c < kColumnSlots; ++c) {
    sheet.names[c] = DefaultColumnName(c);
    sheet.formats[c] = ColumnFormat{};
    sheet.columnBoundaries[c] = -1 + c * kDefaultColumnWidth;
  }
  sheet.graphMinimum.fill(EmptyValue);
  sheet.graphMaximum.fill(EmptyValue);
  sheet.graphConstant.fill(EmptyValue);
  sheet.autoUpdate = true;
}

void SetColumnWidth(DataSheet& sheet, int column, int width) {
  const int change = width - sheet.columnWidth(column);
  for (int c = column + 1; c < kColumnSlots; ++c) sheet.columnBoundaries[c] += change;
}

}  // namespace rv
