#include "python/sheet_rows.h"

#include <string>

namespace rv::python {

SheetValues SheetOfRows(const RowArray& rows) {
  if (rows.ndim() != 2) throw pybind11::value_error("the data must be a table of rows and columns");
  const auto rowCount = rows.shape(0);
  const auto columnCount = rows.shape(1);
  if (rowCount > kMaxSheetRows)
    throw pybind11::value_error("the data has " + std::to_string(rowCount) + " rows; a sheet holds at most " +
                                std::to_string(kMaxSheetRows));
  if (columnCount > kSheetColumns)
    throw pybind11::value_error("the data has " + std::to_string(columnCount) +
                                " columns; a sheet holds Y and at most 16 X columns");
  SheetValues cells;
  cells.ensureRows(static_cast<int>(rowCount));
  const auto values = rows.unchecked<2>();
  for (pybind11::ssize_t row = 0; row < rowCount; ++row)
    for (pybind11::ssize_t column = 0; column < columnCount; ++column)
      cells[static_cast<size_t>(row)][static_cast<size_t>(column)] = values(row, column);
  return cells;
}

DocumentOptions SearchOptions(int maxTerms, const std::vector<int>& sets) {
  if (maxTerms < kMinMaxTerms || maxTerms > kMaxMaxTerms)
    throw pybind11::value_error("max_terms must be from " + std::to_string(kMinMaxTerms) + " to " +
                                std::to_string(kMaxMaxTerms) + ", not " + std::to_string(maxTerms));
  DocumentOptions options;
  options.maxTerms = maxTerms;
  options.setEnabled = {};
  for (const int number : sets) {
    const std::optional<EquationSet> set = EquationSetFromNumber(number);
    if (!set) throw pybind11::value_error("each of sets must be from 1 to 6, not " + std::to_string(number));
    options.setEnabled[*set] = true;
  }
  if (sets.empty()) throw pybind11::value_error("sets needs at least one set number from 1 to 6");
  return options;
}

}  // namespace rv::python
