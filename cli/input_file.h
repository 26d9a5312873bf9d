#pragma once

#include <string>

#include "sheet/document.h"

namespace rv::cli {

// Reads a .csv or .tsv file into a new document with the defaults of a new
// sheet. Throws CliError (status 1) naming the line and column of a fault.
Document LoadDocument(const std::string& path);

std::string ReadWholeFile(const std::string& path);

}  // namespace rv::cli
