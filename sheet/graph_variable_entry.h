#pragma once

#include <string>

namespace rv {

// One entry of the Graph tab's list of variables to graph: a tab character
// followed by the variable's name, and whether the entry is selected. A data
// file stores the list; the graph reads which variables it names.
struct GraphVariableEntry {
  std::string text;
  bool selected = false;
  friend bool operator==(const GraphVariableEntry&, const GraphVariableEntry&) = default;
};

}  // namespace rv
