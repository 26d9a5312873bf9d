#pragma once

#include <algorithm>

#include "sheet/data_sheet.h"

namespace rv {

struct CellPosition {
  int row = 0;
  int column = 0;
  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// A rectangle of cells, inclusive on every side.
struct CellRange {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;

  friend bool operator==(const CellRange&, const CellRange&) = default;

  static CellRange Single(CellPosition cell) { return {cell.row, cell.column, cell.row, cell.column}; }
  // Rows and columns are ordered independently, so dragging up or left works.
  static CellRange Spanning(CellPosition a, CellPosition b) {
    return {std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row), std::max(a.column, b.column)};
  }
  // Every column of the first rowCount rows.
  static CellRange WholeSheet(int rowCount = kSheetRows) { return {0, 0, rowCount - 1, kSheetColumns - 1}; }

  bool contains(int row, int column) const { return row >= top && row <= bottom && column >= left && column <= right; }
  int rowCount() const { return bottom - top + 1; }
  int columnCount() const { return right - left + 1; }
};

// The nearest cell of a sheet of rowCount rows.
inline CellPosition ClampToSheet(CellPosition cell, int rowCount = kSheetRows) {
  return {std::clamp(cell.row, 0, rowCount - 1), std::clamp(cell.column, 0, kSheetColumns - 1)};
}

// The highlighted rectangle of the grid: the anchor is the cell where the
// drag began, the end follows the pointer.
struct RangeSelection {
  bool active = false;
  CellPosition anchor;
  CellPosition end;

  CellRange rectangle() const { return CellRange::Spanning(anchor, end); }
  // A drag that stays within one cell selects nothing beyond the current cell.
  bool spansSeveralCells() const { return anchor.row != end.row || anchor.column != end.column; }
};

// The cells an editing command acts on: the highlighted rectangle when a
// range is selected, else the current cell.
inline CellRange ActedOnRange(const RangeSelection& selection, CellPosition current) {
  return selection.active ? selection.rectangle() : CellRange::Single(current);
}

}  // namespace rv
