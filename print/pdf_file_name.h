#pragma once

#include <string>

#include "sheet/document.h"

namespace rv {

// Where "Print to PDF" suggests writing: the data file's name with ".pdf"
// in place of its extension ("Untitled.pdf" for a sheet without a file
// name), in the data folder, or in programFolder when the sheet has no data
// folder.
std::string DefaultPdfPath(const DocumentState& document, const std::string& programFolder);

}  // namespace rv
