#pragma once

#include <array>

#include "cli/command_line.h"
#include "sheet/document.h"

namespace rv::cli {

// --max-terms M (1 to 20) and --sets 1,2,... applied over the given options.
void ApplySearchOptions(const Arguments& arguments, DocumentOptions& options);

}  // namespace rv::cli
