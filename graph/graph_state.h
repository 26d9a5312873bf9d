#pragma once

#include <string>

#include "graph/display_list.h"
#include "graph/graph_model.h"
#include "graph/graph_selection.h"
#include "graph/view_state.h"

namespace rv {

// The graph as the program holds it: what the last preparation graphed, the
// numbers and display lists it made, and how the graph is looked at now.
// Whether it is drawn is DataFileSession::graphDrawn, which the data file
// keeps. Rotating and zooming change only the view; the lists are replayed.
struct GraphState {
  GraphSelection selection;
  GraphModel model;
  Scene scene;
  ViewState view;
  // The equation the graph shows, as the copied picture writes it.
  std::string equationText;
};

}  // namespace rv
