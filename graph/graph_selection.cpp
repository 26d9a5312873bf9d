#include "graph/graph_selection.h"

#include <algorithm>
#include <cctype>

#include "sheet/data_sheet.h"

namespace rv {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::vector<GraphVariableEntry> GraphVariableEntries(const std::string& equationText) {
  std::vector<GraphVariableEntry> entries;
  size_t at = equationText.find('X');
  while (at != std::string::npos && at + 1 < equationText.size()) {
    // The character after the 'X' always belongs to the token, the one
    // after that only when it is a digit: X1, X12, and X1 of X1^2.
    size_t end = at + 2;
    if (end < equationText.size() && IsDigit(equationText[end])) ++end;
    GraphVariableEntry entry{"\t" + equationText.substr(at, end - at), false};
    const bool offered =
        std::any_of(entries.begin(), entries.end(), [&](const GraphVariableEntry& e) { return e.text == entry.text; });
    if (!offered) entries.push_back(std::move(entry));
    at = equationText.find('X', end);
  }
  if (entries.size() <= kMaxGraphedVariables)
    for (GraphVariableEntry& entry : entries) entry.selected = true;
  return entries;
}

int GraphEntryVariable(const GraphVariableEntry& entry) {
  const std::string& text = entry.text;
  if (text.size() < 3 || text.size() > 4 || text[0] != '\t' || text[1] != 'X') return 0;
  int number = 0;
  for (size_t i = 2; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return 0;
    number = number * 10 + (text[i] - '0');
  }
  return number >= 1 && number < kSheetColumns ? number : 0;
}

Outcome<GraphSelection> ValidateGraphSelection(bool equationChosen, const std::vector<GraphVariableEntry>& entries) {
  if (!equationChosen) return Message{kNoEquationToGraphMessage, MessageKind::Information};
  GraphSelection selection;
  for (const GraphVariableEntry& entry : entries) {
    if (!entry.selected) continue;
    const int variable = GraphEntryVariable(entry);
    // A variable is graphed on one axis at most: a second entry naming it
    // (a data file may hold one) adds nothing.
    if (variable == 0 || (selection.count > 0 && variable == selection.first)) continue;
    if (selection.count == 0) selection.first = variable;
    if (selection.count == 1) selection.second = variable;
    ++selection.count;
  }
  if (selection.count == 1) selection.second = selection.first;
  if (selection.count == 0) return Message{kNoVariableToGraphMessage, MessageKind::Information};
  if (selection.count > kMaxGraphedVariables) return Message{kTooManyVariablesMessage, MessageKind::Information};
  return selection;
}

}  // namespace rv
