#include "sheet/scale_variable.h"

#include <algorithm>
#include <cmath>

#include "sheet/cell_entry.h"

namespace rv {

namespace {

double Apply(ScaleOperation operation, double value, double factor) {
  switch (operation) {
    case ScaleOperation::Add: return value + factor;
    case ScaleOperation::Subtract: return value - factor;
    case ScaleOperation::Multiply: return value * factor;
    case ScaleOperation::Divide: return value / factor;
  }
  return value;
}

}  // namespace

double ReadScaleFactor(std::string_view text) {
  const double factor = ReadLeadingNumber(text);
  return std::isfinite(factor) ? factor : 0.0;
}

bool ScaleColumn(SheetValues& cells, int column, ScaleOperation operation, double factor) {
  if (factor == 0.0 || !std::isfinite(factor) || column < 0 || column >= kSheetColumns) return false;
  for (auto& row : cells) {
    double& cell = row[column];
    if (IsEmptyValue(cell)) continue;
    const double scaled = Apply(operation, cell, factor);
    cell = std::isfinite(scaled) ? scaled : EmptyValue;
  }
  return true;
}

ColumnValues SaveColumn(const SheetValues& cells, int column) {
  ColumnValues values;
  values.reserve(cells.size());
  for (const SheetRow& row : cells) values.push_back(row[static_cast<std::size_t>(column)]);
  return values;
}

void RestoreColumn(SheetValues& cells, int column, const ColumnValues& values) {
  cells.ensureRows(static_cast<int>(values.size()));
  const std::size_t rows = std::min(values.size(), cells.size());
  for (std::size_t row = 0; row < rows; ++row) cells[row][static_cast<std::size_t>(column)] = values[row];
}

}  // namespace rv
