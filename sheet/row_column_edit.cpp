#include "sheet/row_column_edit.h"

#include <algorithm>
#include <array>

namespace rv {

namespace {

using ColumnWidths = std::array<int, kSheetColumns>;

ColumnWidths Widths(const DataSheet& sheet) {
  ColumnWidths widths;
  for (int c = 0; c < kSheetColumns; ++c) widths[c] = sheet.columnWidth(c);
  return widths;
}

void SetBoundaries(DataSheet& sheet, const ColumnWidths& widths) {
  for (int c = 0; c < kSheetColumns; ++c) sheet.columnBoundaries[c + 1] = sheet.columnBoundaries[c] + widths[c];
}

void EmptyRow(DataSheet& sheet, int row) { sheet.cells[row].fill(EmptyValue); }

bool IsRow(const DataSheet& sheet, int row) { return row >= 0 && row < sheet.cells.rowCount(); }

bool LastRowHoldsData(const DataSheet& sheet) { return !std::ranges::all_of(*sheet.cells.rbegin(), IsEmptyValue); }

bool IsColumn(int column) { return column >= 0 && column < kSheetColumns; }

}  // namespace

bool InsertRow(DataSheet& sheet, int row) {
  if (!IsRow(sheet, row)) return true;
  if (LastRowHoldsData(sheet)) {
    if (sheet.cells.rowCount() == kMaxSheetRows) return false;
    sheet.cells.ensureRows(sheet.cells.rowCount() + 1);
  }
  std::move_backward(sheet.cells.begin() + row, sheet.cells.end() - 1, sheet.cells.end());
  EmptyRow(sheet, row);
  return true;
}

void DeleteRow(DataSheet& sheet, int row) {
  if (!IsRow(sheet, row)) return;
  std::move(sheet.cells.begin() + row + 1, sheet.cells.end(), sheet.cells.begin() + row);
  EmptyRow(sheet, sheet.cells.rowCount() - 1);
}

void InsertColumn(DataSheet& sheet, int column) {
  if (!IsColumn(column)) return;
  for (auto& cells : sheet.cells) {
    std::move_backward(cells.begin() + column, cells.end() - 1, cells.end());
    cells[column] = EmptyValue;
  }
  ColumnWidths widths = Widths(sheet);
  std::move_backward(widths.begin() + column, widths.end() - 1, widths.end());
  widths[column] = kDefaultColumnWidth;
  SetBoundaries(sheet, widths);
  std::move_backward(sheet.formats.begin() + column, sheet.formats.begin() + kSheetColumns - 1,
                     sheet.formats.begin() + kSheetColumns);
  sheet.formats[column] = ColumnFormat{};
}

void DeleteColumn(DataSheet& sheet, int column) {
  if (!IsColumn(column)) return;
  for (auto& cells : sheet.cells) {
    std::move(cells.begin() + column + 1, cells.end(), cells.begin() + column);
    cells[kSheetColumns - 1] = EmptyValue;
  }
  ColumnWidths widths = Widths(sheet);
  std::move(widths.begin() + column + 1, widths.end(), widths.begin() + column);
  widths[kSheetColumns - 1] = kDefaultColumnWidth;
  SetBoundaries(sheet, widths);
  std::move(sheet.formats.begin() + column + 1, sheet.formats.begin() + kSheetColumns, sheet.formats.begin() + column);
  sheet.formats[kSheetColumns - 1] = ColumnFormat{};
}

}  // namespace rv
