#pragma once

#include <functional>

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "sheet/document.h"

namespace rv {

// A printout: one report's pages drawn on a canvas with the print settings
// and the document's titles and file name. The data, the graph, the
// equation and each page of the statistics dialog print as one.
using Printout = std::function<void(PageCanvas& canvas, const PrintSettings& settings, const Document& document)>;

}  // namespace rv
