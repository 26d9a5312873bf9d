#include "sheet/cell_location.h"

#include "sheet/value_text.h"

namespace rv {

std::string CellLocationText(const DataSheet& sheet, CellPosition cell) {
  return FormatText("%s - %d", sheet.names[cell.column].c_str(), cell.row + 1);
}

}  // namespace rv
