#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/expect.h"
#include "sheet/empty_value.h"

namespace rv {

// The rows of the data file's fixed block. A sheet has at least these in
// memory and on screen, and one of no more is stored in the block alone.
inline constexpr int kSheetRows = 99;
// A longer sheet grows with empty rows up to this many.
inline constexpr int kMaxSheetRows = 100000;
inline constexpr int kSheetColumns = 17;  // column 0 is Y, column c is Xc
inline constexpr int kColumnSlots = 18;   // per-column arrays keep one spare slot
inline constexpr int kDefaultColumnWidth = 80;
inline constexpr int kMaxColumnWidth = 4096;  // pixels; a data file keeps widths of 1 to this
inline constexpr int kMaxNameLength = 8;
inline constexpr int kMaxDecimalPlaces = 12;

enum class FormatKind : std::uint32_t { General = 0, Number = 1, Scientific = 2 };

struct ColumnFormat {
  FormatKind kind = FormatKind::General;
  std::uint32_t places = 2;
  friend bool operator==(const ColumnFormat&, const ColumnFormat&) = default;
};

using SheetRow = std::array<double, kSheetColumns>;

// The sheet's values, row by row: at least kSheetRows rows, at most
// kMaxSheetRows. Rows past the last stored one read as empty.
class SheetValues {
 public:
  SheetValues() : rows_(kSheetRows, EmptyRow()) {}

  static SheetRow EmptyRow() {
    SheetRow row;
    row.fill(EmptyValue);
    return row;
  }

  int rowCount() const { return static_cast<int>(rows_.size()); }
  std::size_t size() const { return rows_.size(); }

  SheetRow& operator[](std::size_t row) {
    RV_EXPECT(row < rows_.size());
    return rows_[row];
  }
  const SheetRow& operator[](std::size_t row) const {
    RV_EXPECT(row < rows_.size());
    return rows_[row];
  }

  // The value at (row, column), empty for a row past the last stored one.
  double at(int row, int column) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
                                        : EmptyValue;
  }

  // Adds empty rows until there are `count`; never beyond kMaxSheetRows, never fewer.
  void ensureRows(int count);
  // Exactly `count` rows (kSheetRows to kMaxSheetRows): empty rows added, or
  // rows dropped from the end.
  void setRowCount(int count);
  // The `count` rows from `first` give way to `rows`; the rows below move up
  // or down with them.
  void replaceRows(int first, int count, std::span<const SheetRow> rows);
  // Drops empty rows from the end, keeping at least kSheetRows.
  void dropEmptyTail();

  auto begin() { return rows_.begin(); }
  auto end() { return rows_.end(); }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }
  auto rbegin() const { return rows_.rbegin(); }
  auto rend() const { return rows_.rend(); }

  friend bool operator==(const SheetValues&, const SheetValues&) = default;

 private:
  std::vector<SheetRow> rows_;
};

struct DataSheet;

// Every cell empty; names, formats, graph values and widths back to their defaults.
void ClearDataSheet(DataSheet& sheet);

// The table of observations with everything kept beside the values.
struct DataSheet {
  SheetValues cells;
  std::array<std::string, kColumnSlots> names;
  std::array<ColumnFormat, kColumnSlots> formats;
  std::array<double, kColumnSlots> graphMinimum;
  std::array<double, kColumnSlots> graphMaximum;
  std::array<double, kColumnSlots> graphConstant;
  // Boundary 0 is -1 and boundary c+1 is boundary c plus the width of column c.
  std::array<std::int32_t, kColumnSlots> columnBoundaries;
  bool autoUpdate = true;

  DataSheet() { ClearDataSheet(*this); }

  double& cell(int row, int column) { return cells[row][column]; }
  double cell(int row, int column) const { return cells.at(row, column); }

  int columnWidth(int column) const { return columnBoundaries[column + 1] - columnBoundaries[column]; }
};

// Everything the sheet keeps beside its values, its cells empty: a copy that
// costs nothing however long the sheet.
DataSheet WithoutValues(const DataSheet& sheet);
// Gives `to` everything `from` keeps beside its values; its cells stay. A
// field added to DataSheet is added here too.
void CopyBesideValues(const DataSheet& from, DataSheet& to);

// The last row holding a value (Ctrl+End goes there, a data file stores the
// rows up to it); -1 for an empty sheet.
int LastRowWithData(const SheetValues& cells);

// Equal bit for bit, row count included: -0 differs from 0 and a NaN equals itself.
bool SameBits(const SheetValues& a, const SheetValues& b);

std::string DefaultColumnName(int column);

// Moves every later column boundary by the change of width.
void SetColumnWidth(DataSheet& sheet, int column, int width);

}  // namespace rv
