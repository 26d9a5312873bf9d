#pragma once

#include "graph/display_list.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"

namespace rv {

// Records the four display lists of a picture and the scales of its
// labels. An element whose colour is none is left out of the lists.
Scene BuildScene(const GraphModel& model, const GraphOptions& options);

}  // namespace rv
