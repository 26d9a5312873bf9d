#include "python/data_file_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "files/data_file_io.h"
#include "python/sheet_rows.h"
#include "sheet/variable_name.h"

namespace rv::python {

namespace py = pybind11;

namespace {

[[noreturn]] void ThrowOsError(const std::string& message) {
  PyErr_SetString(PyExc_OSError, message.c_str());
  throw py::error_already_set();
}

std::vector<int> EnabledSets(const DocumentOptions& options) {
  std::vector<int> sets;
  for (const EquationSet set : kEquationSets)
    if (options.setEnabled[set]) sets.push_back(EquationSetNumber(set));
  return sets;
}

py::dict ReadDataFile(const std::string& path) {
  Outcome<DataFileContents> loaded = LoadDataFile(path);
  if (!loaded) ThrowOsError(path + ": " + loaded.message().text);
  const Document& document = loaded->document;
  const SheetValues& cells = document.sheet.cells;
  const int rows = LastRowWithData(cells) + 1;
  py::array_t<double> values({rows, kSheetColumns});
  auto out = values.mutable_unchecked<2>();
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < kSheetColumns; ++column) {
      const double value = cells.at(row, column);
      out(row, column) = IsEmptyValue(value) ? std::numeric_limits<double>::quiet_NaN() : value;
    }
  std::vector<std::string> names(document.sheet.names.begin(), document.sheet.names.begin() + kSheetColumns);
  py::dict contents;
  contents["rows"] = values;
  contents["names"] = names;
  contents["max_terms"] = document.options.maxTerms;
  contents["sets"] = EnabledSets(document.options);
  return contents;
}

void WriteDataFile(const std::string& path, const RowArray& rows, const std::vector<std::string>& names, int maxTerms,
                   const std::vector<int>& sets) {
  if (names.size() > static_cast<size_t>(kSheetColumns))
    throw py::value_error("a sheet has Y and at most 16 X columns, not " + std::to_string(names.size()) + " names");
  Document document;
  document.options = SearchOptions(maxTerms, sets);
  document.sheet.cells = SheetOfRows(rows);
  for (SheetRow& row : document.sheet.cells)
    for (double& value : row)
      if (std::isnan(value)) value = EmptyValue;
  for (size_t column = 0; column < names.size(); ++column)
    if (const std::string name = VariableNameFromText(names[column]); !name.empty())
      document.sheet.names[column] = name;
  if (const Outcome<void> stored = StoreDataFile(path, EncodeDataFile(document, DataFileSession{})); !stored)
    ThrowOsError(stored.message().text);
}

}  // namespace

void AddDataFile(py::module_& module) {
  module.def("read_rvd", &ReadDataFile, py::arg("path"));
  module.def("write_rvd", &WriteDataFile, py::arg("path"), py::arg("rows"), py::arg("names"), py::arg("max_terms"),
             py::arg("sets"));
}

}  // namespace rv::python
