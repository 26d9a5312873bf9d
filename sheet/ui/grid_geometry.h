#pragma once

#include <QRect>
#include <QWidget>
#include <algorithm>

#include "sheet/cell_range.h"
#include "sheet/data_sheet.h"

namespace rv {

// Pixel layout of the data grid: rows are 20 pixels high, columns as wide as
// the sheet's column boundaries say. Positions are in the grid's content
// coordinates, before scrolling.
inline constexpr int kGridRowHeight = 20;
inline constexpr int kCellTextMargin = 4;

// The grid has no widget as tall as its rows: it paints the rows in view at
// the scroll bar's offset. The content height still has to stay within the
// coordinates Qt handles, for the longest sheet too.
static_assert(static_cast<long long>(kMaxSheetRows) * kGridRowHeight <= QWIDGETSIZE_MAX);

inline QRect CellRect(const DataSheet& sheet, CellPosition cell) {
  return QRect(sheet.columnBoundaries[cell.column], cell.row * kGridRowHeight, sheet.columnWidth(cell.column),
               kGridRowHeight);
}

inline int GridWidth(const DataSheet& sheet) { return sheet.columnBoundaries[kSheetColumns] + 1; }

inline int GridHeight(const DataSheet& sheet) { return sheet.cells.rowCount() * kGridRowHeight; }

// The column under x, clamped to the sheet.
inline int ColumnAt(const DataSheet& sheet, int x) {
  for (int column = 0; column < kSheetColumns; ++column)
    if (x < sheet.columnBoundaries[column + 1]) return column;
  return kSheetColumns - 1;
}

// The row under y, clamped to the sheet.
inline int RowAt(const DataSheet& sheet, int y) {
  return std::clamp(y < 0 ? 0 : y / kGridRowHeight, 0, sheet.cells.rowCount() - 1);
}

}  // namespace rv
