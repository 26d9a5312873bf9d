#include "sheet/data_sheet.h"

#include <algorithm>
#include <cstring>

namespace rv {

void SheetValues::ensureRows(int count) {
  const int wanted = std::min(count, kMaxSheetRows);
  if (wanted > rowCount()) rows_.resize(static_cast<std::size_t>(wanted), EmptyRow());
}

void SheetValues::dropEmptyTail() {
  const auto isEmpty = [](const SheetRow& row) { return std::ranges::all_of(row, IsEmptyValue); };
  while (rowCount() > kSheetRows && isEmpty(rows_.back())) rows_.pop_back();
}

void SheetValues::setRowCount(int count) {
  RV_EXPECT(count >= kSheetRows && count <= kMaxSheetRows);
  rows_.resize(static_cast<std::size_t>(count), EmptyRow());
}

void SheetValues::replaceRows(int first, int count, std::span<const SheetRow> rows) {
  RV_EXPECT(first >= 0 && count >= 0 && first + count <= rowCount());
  const auto at = rows_.begin() + first;
  const auto kept = static_cast<std::ptrdiff_t>(std::min(rows.size(), static_cast<std::size_t>(count)));
  std::copy(rows.begin(), rows.begin() + kept, at);
  if (static_cast<std::size_t>(count) > rows.size()) rows_.erase(at + kept, at + count);
  else rows_.insert(at + kept, rows.begin() + kept, rows.end());
}

DataSheet WithoutValues(const DataSheet& sheet) {
  DataSheet copy;
  CopyBesideValues(sheet, copy);
  return copy;
}

void CopyBesideValues(const DataSheet& from, DataSheet& to) {
  to.names = from.names;
  to.formats = from.formats;
  to.graphMinimum = from.graphMinimum;
  to.graphMaximum = from.graphMaximum;
  to.graphConstant = from.graphConstant;
  to.columnBoundaries = from.columnBoundaries;
  to.autoUpdate = from.autoUpdate;
}

int LastRowWithData(const SheetValues& cells) {
  const auto holdsValue = [](const SheetRow& row) { return !std::ranges::all_of(row, IsEmptyValue); };
  const auto last = std::find_if(cells.rbegin(), cells.rend(), holdsValue);
  return static_cast<int>(cells.rend() - last) - 1;
}

bool SameBits(const SheetValues& a, const SheetValues& b) {
  if (a.rowCount() != b.rowCount()) return false;
  return std::equal(a.begin(), a.end(), b.begin(), [](const SheetRow& x, const SheetRow& y) {
    return std::memcmp(x.data(), y.data(), sizeof x) == 0;
  });
}

std::string DefaultColumnName(int column) { return column == 0 ? std::string("Y") : "X" + std::to_string(column); }

void ClearDataSheet(DataSheet& sheet) {
  sheet.cells = SheetValues();
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
