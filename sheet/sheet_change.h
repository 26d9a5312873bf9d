#pragma once

#include <cstddef>
#include <vector>

#include "sheet/data_sheet.h"

namespace rv {

// One change of the sheet as Undo and Redo keep it. A sheet of 100,000 rows
// is some 14 MB, so a step does not keep two copies of it: only the rows
// between those the two sheets share at the top and at the bottom of their
// data (aligned at the last row holding a value, so an inserted or deleted
// row keeps one row, not the rows below it), and whole everything kept beside
// the values, which is small.
class SheetChange {
 public:
  SheetChange(const DataSheet& before, const DataSheet& after);

  // The sheet before the change, given the sheet after it; and the reverse.
  // Each is bit for bit the sheet the change was made from, when given the
  // other one.
  DataSheet before(const DataSheet& after) const;
  DataSheet after(const DataSheet& before) const;

  // The rows kept, of both sheets together.
  std::size_t rowsKept() const { return before_.rows.size() + after_.rows.size(); }

 private:
  struct Side {
    DataSheet beside;  // everything but the values, its cells left empty
    std::vector<SheetRow> rows;
    int rowCount = kSheetRows;
    int dataEnd = 0;  // one past the last row holding a value
  };

  // The side keeps the sheet's rows from top to end.
  static Side MakeSide(const DataSheet& sheet, int top, int end, int dataEnd);
  DataSheet rebuild(const DataSheet& from, const Side& fromSide, const Side& toSide) const;

  int top_ = 0;  // rows above are the same in both
  Side before_;
  Side after_;
};

}  // namespace rv
