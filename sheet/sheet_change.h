#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "sheet/data_sheet.h"

namespace rv {

// Where an edit may change cells of the sheet before it: rows top to end
// (end may lie past the sheet's rows, which then grow) and columns
// firstColumn to endColumn. An edit that moves rows (inserting or deleting
// one) may change any row from top down.
struct SheetRegion {
  int top = 0;
  int end = 0;
  int firstColumn = 0;
  int endColumn = kSheetColumns;
  bool movesRows = false;
};

// One change of the sheet as Undo and Redo keep it. A sheet of 100,000 rows
// is some 14 MB, so a step keeps no copy of it: everything kept beside the
// values whole, which is small, and of the values only the band of rows
// between those the two sheets share at the top and at the bottom of their
// data (aligned at the last row holding a value, so an inserted or deleted
// row keeps one row, not the rows below it), and of those rows only the
// columns that changed when no row moved: a value typed keeps one cell a
// side, Scale one column.
class SheetChange {
 public:
  // The change from one sheet to another, found by comparing them.
  SheetChange(const DataSheet& before, const DataSheet& after);

  // The sheet as the change left it becomes the sheet before it, and the
  // reverse, bit for bit, in place: only the band moves or is written.
  void undo(DataSheet& sheet) const;
  void redo(DataSheet& sheet) const;

  // The rows of the band, of both sides together.
  std::size_t rowsKept() const { return static_cast<std::size_t>(before_.rows + after_.rows); }
  // The values kept, of both sides together.
  std::size_t cellsKept() const { return before_.cells.size() + after_.cells.size(); }
  // The memory the change holds.
  std::size_t bytes() const;

 private:
  friend class SheetChangeRecorder;
  struct Side {
    DataSheet beside;           // everything but the values, its cells left empty
    std::vector<double> cells;  // the band, row by row, its columns only
    int rows = 0;               // of the band
    int rowCount = kSheetRows;  // of the whole sheet
  };
  SheetChange() = default;

  void apply(DataSheet& sheet, const Side& from, const Side& to) const;

  int top_ = 0;  // rows above are the same in both
  int firstColumn_ = 0;
  int endColumn_ = 0;
  Side before_;
  Side after_;
};

// Records an edit that changes the sheet in place, copying no more than the
// region the edit may change: made with the sheet before the edit, finished
// with the sheet after it. An edit that moves rows keeps the whole sheet
// before it until it is finished.
class SheetChangeRecorder {
 public:
  SheetChangeRecorder(const DataSheet& before, const SheetRegion& region);
  SheetChange finish(const DataSheet& after) const;

 private:
  SheetRegion region_;
  DataSheet beside_;
  int rowCount_ = kSheetRows;
  std::vector<double> cells_;  // the region's values before the edit, row by row
  std::optional<DataSheet> whole_;
};

}  // namespace rv
