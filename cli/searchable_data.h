#pragma once

#include <string>

#include "regress/search_data.h"
#include "sheet/document.h"

namespace rv::cli {

// Refuses a sheet a search or a fit cannot use, with the program's own
// messages: fewer than two points, no X variable before the first empty
// cell, or a fit weighted by sigma of Y whose sigma in some row is not a
// positive number.
void RequireSearchableData(const SearchData& data, const std::string& path);

// The document's values as a search takes them, weighted as its options
// say; refused as RequireSearchableData refuses, and what takes no part told
// on standard error.
SearchData SearchableSnapshot(const Document& document, const std::string& path);

// Tells standard error which rows and columns of the sheet take no part in a
// search, and why.
void WarnAboutLeftOutData(const SheetValues& cells, bool sigmaInX16);

}  // namespace rv::cli
