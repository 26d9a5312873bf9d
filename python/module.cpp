#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "files/column_roles.h"
#include "python/data_file_binding.h"
#include "python/fitted_equation.h"
#include "python/search_binding.h"
#include "python/sheet_rows.h"
#include "regress/enumeration.h"
#include "sheet/left_out_data.h"

namespace py = pybind11;

namespace {

rv::SearchShape ShapeOf(int variables, int maxTerms, const std::vector<int>& sets) {
  if (variables < 1 || variables > rv::kMaxSearchVariables)
    throw py::value_error("variables must be from 1 to " + std::to_string(rv::kMaxSearchVariables) + ", not " +
                          std::to_string(variables));
  const rv::DocumentOptions options = rv::python::SearchOptions(maxTerms, sets);
  rv::SearchShape shape;
  shape.variables = variables;
  shape.maxTerms = options.maxTerms;
  shape.sets = options.setEnabled;
  return shape;
}

// The candidates of each enabled set, by set number, as the tool's count
// command prints them.
py::dict CountBySet(int variables, int maxTerms, const std::vector<int>& sets) {
  const rv::SearchShape shape = ShapeOf(variables, maxTerms, sets);
  py::dict counts;
  for (const rv::EquationSet set : rv::kEquationSets)
    if (shape.sets[set]) counts[py::int_(rv::EquationSetNumber(set))] = rv::CountSetCandidates(shape, set);
  return counts;
}

std::string EquationOfOrdinal(std::int64_t ordinal, int variables, int maxTerms, const std::vector<int>& sets) {
  const rv::SearchShape shape = ShapeOf(variables, maxTerms, sets);
  const std::int64_t count = rv::CountCandidates(shape);
  if (ordinal < 1 || ordinal > count)
    throw py::value_error("the ordinal must be from 1 to " + std::to_string(count) + ", not " +
                          std::to_string(ordinal));
  return rv::EquationText(rv::CandidateAt(shape, ordinal));
}

}  // namespace

PYBIND11_MODULE(_core, module) {
  module.doc() = "The search engine of Regrovantis; the regrovantis package is its interface.";
  rv::python::AddSearch(module);
  rv::python::AddFittedEquation(module);
  rv::python::AddDataFile(module);
  module.def("count_by_set", &CountBySet, py::arg("variables"), py::arg("max_terms"), py::arg("sets"));
  module.def("equation_text", &EquationOfOrdinal, py::arg("ordinal"), py::arg("variables"), py::arg("max_terms"),
             py::arg("sets"));
  module.def("default_column_roles", &rv::DefaultColumnRoles, py::arg("headings"), py::arg("used_columns"));
  module.def(
      "left_out_data",
      [](const rv::python::RowArray& rows) { return rv::DescribeLeftOutData(rv::python::SheetOfRows(rows)); },
      py::arg("rows"));
  module.attr("EMPTY_VALUE") = rv::EmptyValue;
  module.attr("MAX_ROWS") = rv::kMaxSheetRows;
  module.attr("MAX_X_COLUMNS") = rv::kSheetColumns - 1;
}
