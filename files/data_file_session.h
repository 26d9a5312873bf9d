#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "regress/equation_list.h"
#include "sheet/graph_variable_entry.h"

namespace rv {

// What a data file stores beyond the Document: the application keeps one
// instance beside its Document and hands both to the reader and the writer.
struct DataFileSession {
  // Position of the selected entry in the Equations tab's list (sorted by
  // descending R squared), -1 when none is selected.
  std::int32_t selectedIndex = -1;
  // Position of the equation whose graph was built, negative when none.
  std::int32_t graphedIndex = -1;
  // The equation save area: the record last saved or read. The writer
  // refreshes it from the list when an equation is selected and writes it
  // unchanged otherwise.
  EquationRecord savedEquation;
  // Whether a graph is drawn now.
  bool graphDrawn = false;
  // The Graph tab's variable list; the file keeps at most sixteen entries.
  std::vector<GraphVariableEntry> graphVariables;
};

}  // namespace rv
