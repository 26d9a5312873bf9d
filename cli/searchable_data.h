#pragma once

#include <string>

#include "regress/search_data.h"

namespace rv::cli {

// Refuses a sheet a search or a fit cannot use, with the program's own
// messages: fewer than two points, or no X variable before the first empty
// cell.
void RequireSearchableData(const SearchData& data, const std::string& path);

// Tells standard error which rows and columns of the sheet take no part in a
// search, and why.
void WarnAboutLeftOutData(const SheetValues& cells);

}  // namespace rv::cli
