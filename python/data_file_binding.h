#pragma once

#include <pybind11/pybind11.h>

namespace rv::python {

// read_rvd(path) -> dict: "rows" (every stored row of all 17 columns, an
// empty cell NaN), "names" (the 17 column names), "max_terms" and "sets"
// (the search options the file keeps). OSError with the program's message
// when the file cannot be read or is corrupted.
// write_rvd(path, rows, names, max_terms, sets): a data file of a new sheet
// holding these rows (NaN an empty cell) and names (each cut to the eight
// characters a file keeps), written as the program saves one: atomically,
// a file already there kept whole when writing fails (OSError).
void AddDataFile(pybind11::module_& module);

}  // namespace rv::python
