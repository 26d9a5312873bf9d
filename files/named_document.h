#pragma once

#include <string>

#include "sheet/document.h"

namespace rv {

// After a successful save or open: the document is named by this path, its
// file title is the path's file name, the data folder becomes the path's
// folder, and nothing is left unsaved.
void NameDocument(DocumentState& state, const std::string& path);

}  // namespace rv
