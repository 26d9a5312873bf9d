#pragma once

#include <pybind11/pybind11.h>

namespace rv::python {

// FittedEquation(rows, max_terms, sets, ordinal): the equation with this
// ordinal re-created on the sheet of the rows, as the tool's stats, code and
// graph commands re-create it, with what the program shows of it:
//   text, ordinal, coefficients (the constant last), letters ("a", "b" ...),
//   variables (the X numbers its text names, in order of appearance),
//   predict(x) (rows of X1 ... values; NaN where the equation has no value),
//   statistics() (the figures of `regrovantis-cli stats --json`),
//   code(language) (the function file: "basic", "c", "cpp" or "fortran"),
//   c_expression() (the C statement that evaluates it, "y = ...").
// ValueError when the ordinal is outside the sequence or the equation
// cannot be fitted to these rows.
void AddFittedEquation(pybind11::module_& module);

}  // namespace rv::python
