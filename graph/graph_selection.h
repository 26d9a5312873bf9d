#pragma once

#include <string>
#include <vector>

#include "base/outcome.h"
#include "sheet/graph_variable_entry.h"

namespace rv {

inline constexpr int kMaxGraphedVariables = 2;

// Which variables are graphed: X is the first (horizontal), Z the second
// (depth). With one variable both name it.
struct GraphSelection {
  int count = 0;  // 0 before any check, then 1 or 2
  int first = 0;
  int second = 0;
  friend bool operator==(const GraphSelection&, const GraphSelection&) = default;
};

// The entries offered for graphing: every variable token of the equation
// text ("X1", "X12") in the order the text names them, as a tab followed by
// the token. Each variable is offered once, where the text first names it.
// A list of one or two entries comes with all of them selected.
std::vector<GraphVariableEntry> GraphVariableEntries(const std::string& equationText);

inline constexpr const char* kNoEquationToGraphMessage =
    "Select the equation to graph from\nthe list on the Equations tab.";
inline constexpr const char* kNoVariableToGraphMessage = "Select one or two variables to\ngraph from the list.";
inline constexpr const char* kTooManyVariablesMessage =
    "The maximum number of independent\nvariables that can be graphed is 2.";

// The graphed variables from the selected entries, in list order. An entry
// that does not name one of X1 to X16, or names a variable already chosen
// (a damaged data file may hold either), counts as no variable. A failure is
// one of the messages above, shown as information.
Outcome<GraphSelection> ValidateGraphSelection(bool equationChosen, const std::vector<GraphVariableEntry>& entries);

// The variable number an entry names, or 0.
int GraphEntryVariable(const GraphVariableEntry& entry);

}  // namespace rv
