#include "sheet/point_count.h"

namespace rv {

PointsAndColumns CountPointsAndColumns(const SheetValues& cells) {
  PointsAndColumns counts;
  while (counts.pointCount < cells.rowCount() && !IsEmptyValue(cells[counts.pointCount][0])) ++counts.pointCount;
  counts.columnCount = 16;
  for (int row = 0; row < counts.pointCount; ++row)
    for (int column = 0; column < kSheetColumns; ++column)
      if (IsEmptyValue(cells[row][column]) && column < counts.columnCount) counts.columnCount = column;
  return counts;
}

}  // namespace rv
