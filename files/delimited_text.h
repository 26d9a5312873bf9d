#pragma once

#include <string>
#include <string_view>

#include "sheet/data_sheet.h"

namespace rv {

// A data sheet read from comma- or tab-separated text: the first line names
// the columns (Y, X1 ... X16, in any order), every further line is one point,
// an empty field is an empty cell.
struct DelimitedTextResult {
  bool ok = false;
  std::string error;  // names the line and the column of the first problem
  SheetValues values;
};

DelimitedTextResult ParseDelimitedText(std::string_view text, char delimiter);

// The columns up to the last one holding a value and the rows up to the last
// one holding a value, each number written so that it reads back exactly.
std::string FormatDelimitedText(const SheetValues& values, char delimiter);

// ',' for a .csv path, '\t' for a .tsv path, '\0' for anything else.
char DelimiterForPath(std::string_view path);

}  // namespace rv
