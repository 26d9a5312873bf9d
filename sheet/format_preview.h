#pragma once

#include <string>

#include "sheet/data_sheet.h"

namespace rv {

// What the Format Column dialog shows for a format: "No Format" for General,
// else the sample value 12.345678 in that format.
std::string FormatPreviewText(ColumnFormat format);

}  // namespace rv
