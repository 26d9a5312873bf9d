#include "sheet/sheet_change.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace rv {

namespace {

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool SameRow(const SheetValues& a, int rowA, const SheetValues& b, int rowB) {
  for (int column = 0; column < kSheetColumns; ++column)
    if (!SameBits(a.at(rowA, column), b.at(rowB, column))) return false;
  return true;
}

// The values of rows top to top + rows, columns first to end, row by row;
// a row past the sheet's last reads as empty.
std::vector<double> Block(const SheetValues& cells, int top, int rows, int first, int end) {
  std::vector<double> block;
  block.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(end - first));
  for (int row = top; row < top + rows; ++row)
    for (int column = first; column < end; ++column) block.push_back(cells.at(row, column));
  return block;
}

// The part of a block `width` values wide from (row, column), rows by columns.
std::vector<double> SubBlock(const std::vector<double>& block, int width, int row, int rows, int column, int columns) {
  std::vector<double> part;
  part.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
  for (int r = row; r < row + rows; ++r)
    for (int c = column; c < column + columns; ++c) part.push_back(block[static_cast<std::size_t>(r * width + c)]);
  return part;
}

// The smallest rectangle of two grids of rows by width values, each read
// through its function of (row, column), outside which they are the same:
// rows top to bottom, columns left to right, ends excluded; nothing when
// they are the same everywhere.
struct Rectangle {
  int top = 0, bottom = 0, left = 0, right = 0;
};
template <class ValueA, class ValueB>
std::optional<Rectangle> Differences(const ValueA& a, const ValueB& b, int rows, int width) {
  std::optional<Rectangle> found;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < width; ++column) {
      if (SameBits(a(row, column), b(row, column))) continue;
      if (!found) found = Rectangle{row, row + 1, column, column + 1};
      found->bottom = row + 1;
      found->left = std::min(found->left, column);
      found->right = std::max(found->right, column + 1);
    }
  return found;
}

std::size_t BesideBytes(const DataSheet& beside) {
  std::size_t bytes = sizeof(DataSheet) + beside.cells.size() * sizeof(SheetRow);
  for (const std::string& name : beside.names) bytes += name.capacity();
  return bytes;
}

}  // namespace

SheetChange::SheetChange(const DataSheet& before, const DataSheet& after) {
  const int beforeEnd = LastRowWithData(before.cells) + 1;
  const int afterEnd = LastRowWithData(after.cells) + 1;
  const int shared = std::min(beforeEnd, afterEnd);
  while (top_ < shared && SameRow(before.cells, top_, after.cells, top_)) ++top_;
  int bottom = 0;  // rows shared at the end of the data
  while (bottom < shared - top_ && SameRow(before.cells, beforeEnd - 1 - bottom, after.cells, afterEnd - 1 - bottom))
    ++bottom;
  before_.rows = beforeEnd - bottom - top_;
  after_.rows = afterEnd - bottom - top_;
  // With no shared rows below the band, no row moves: the band reaches the
  // longer side's data on both, the shorter one's empty there.
  if (bottom == 0) before_.rows = after_.rows = std::max(before_.rows, after_.rows);
  endColumn_ = kSheetColumns;
  if (before_.rows == after_.rows) {
    // No row moved: only the columns that differ somewhere in the band.
    const auto in = [this](const DataSheet& sheet) {
      return [&sheet, this](int row, int column) { return sheet.cells.at(top_ + row, column); };
    };
    const std::optional<Rectangle> changed = Differences(in(before), in(after), before_.rows, kSheetColumns);
    firstColumn_ = changed ? changed->left : 0;
    endColumn_ = changed ? changed->right : 0;
  }
  for (auto [side, sheet] : {std::pair{&before_, &before}, std::pair{&after_, &after}}) {
    side->beside = WithoutValues(*sheet);
    side->rowCount = sheet->cells.rowCount();
    side->cells = Block(sheet->cells, top_, side->rows, firstColumn_, endColumn_);
  }
}

void SheetChange::undo(DataSheet& sheet) const { apply(sheet, after_, before_); }

void SheetChange::redo(DataSheet& sheet) const { apply(sheet, before_, after_); }

// The rows above top_ and the shared rows at the end of the data stay where
// they are or move with the band; every row below the data is empty on
// either side.
void SheetChange::apply(DataSheet& sheet, const Side& from, const Side& to) const {
  // The sheet is the one the change was made from or to.
  RV_EXPECT(sheet.cells.rowCount() == from.rowCount);
  CopyBesideValues(to.beside, sheet);
  const int width = endColumn_ - firstColumn_;
  if (from.rows == to.rows) {
    sheet.cells.ensureRows(top_ + to.rows);
    for (int row = 0; row < to.rows; ++row)
      for (int column = 0; column < width; ++column)
        sheet.cells[static_cast<std::size_t>(top_ + row)][static_cast<std::size_t>(firstColumn_ + column)] =
            to.cells[static_cast<std::size_t>(row * width + column)];
  } else {
    // Rows moved: the band holds whole rows.
    std::vector<SheetRow> rows(static_cast<std::size_t>(to.rows));
    for (std::size_t row = 0; row < rows.size(); ++row)
      std::copy_n(to.cells.begin() + static_cast<std::ptrdiff_t>(row * kSheetColumns), kSheetColumns,
                  rows[row].begin());
    sheet.cells.replaceRows(top_, from.rows, rows);
  }
  sheet.cells.setRowCount(to.rowCount);
}

std::size_t SheetChange::bytes() const {
  return sizeof(SheetChange) + cellsKept() * sizeof(double) + BesideBytes(before_.beside) + BesideBytes(after_.beside);
}

SheetChangeRecorder::SheetChangeRecorder(const DataSheet& before, const SheetRegion& region)
    : region_(region), beside_(WithoutValues(before)), rowCount_(before.cells.rowCount()) {
  if (region.movesRows) whole_ = before;
  else
    cells_ =
        Block(before.cells, region.top, std::max(region.end - region.top, 0), region.firstColumn, region.endColumn);
}

SheetChange SheetChangeRecorder::finish(const DataSheet& after) const {
  if (whole_) return SheetChange(*whole_, after);
  const int rows = std::max(region_.end - region_.top, 0);
  const int width = region_.endColumn - region_.firstColumn;
  const std::vector<double> is = Block(after.cells, region_.top, rows, region_.firstColumn, region_.endColumn);
  const auto in = [width](const std::vector<double>& block) {
    return [&block, width](int row, int column) { return block[static_cast<std::size_t>(row * width + column)]; };
  };
  const Rectangle changed = Differences(in(cells_), in(is), rows, width).value_or(Rectangle{});
  SheetChange change;
  change.top_ = region_.top + changed.top;
  change.firstColumn_ = region_.firstColumn + changed.left;
  change.endColumn_ = region_.firstColumn + changed.right;
  const int bandRows = changed.bottom - changed.top;
  const int bandColumns = changed.right - changed.left;
  for (auto [side, values] : {std::pair{&change.before_, &cells_}, std::pair{&change.after_, &is}}) {
    side->rows = bandRows;
    side->cells = SubBlock(*values, width, changed.top, bandRows, changed.left, bandColumns);
  }
  change.before_.beside = beside_;
  change.before_.rowCount = rowCount_;
  change.after_.beside = WithoutValues(after);
  change.after_.rowCount = after.cells.rowCount();
  return change;
}

}  // namespace rv
