#pragma once

#include <string>
#include <string_view>

#include "base/outcome.h"
#include "sheet/data_sheet.h"

namespace rv {

// Where Export Data writes: a .csv or .tsv path as it is; any other with its
// extension replaced by ".csv", so the file opens again as text.
std::string ExportDataPath(std::string_view path);

// Writes the sheet's values to ExportDataPath(path) as the command-line tool
// converts a sheet to text: a first line naming the columns by position (Y,
// X1 ...), since those are the names the reader knows, one line per row up
// to the last row holding a value, an empty field for an empty cell, every
// number with 17 significant digits so it reads back exactly. Separated by
// tabs for a .tsv path, else by commas. The document is not changed. When
// the file cannot be written, the message names the path and the reason,
// and a file already there is left as it was.
Outcome<void> ExportDataFile(const std::string& path, const DataSheet& sheet);

}  // namespace rv
