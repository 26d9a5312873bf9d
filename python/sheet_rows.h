#pragma once

#include <pybind11/numpy.h>

#include "regress/search_data.h"
#include "sheet/document.h"

namespace rv::python {

// The rows the Python side hands over: one per point, Y in the first column,
// X1, X2 ... in the next ones, every value already checked to be a finite
// number that is no empty cell.
using RowArray = pybind11::array_t<double, pybind11::array::c_style | pybind11::array::forcecast>;

// The sheet of those rows, as a search, a re-creation and a data file take
// it. ValueError for an array that is not two-dimensional, or has more rows
// or columns than a sheet holds.
SheetValues SheetOfRows(const RowArray& rows);

// The options of a search: Maximum Terms and the enabled sets by number.
// ValueError naming the one that is out of range.
DocumentOptions SearchOptions(int maxTerms, const std::vector<int>& sets);

}  // namespace rv::python
