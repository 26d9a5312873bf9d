#include "files/stored_equation.h"

#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "regress/search_data.h"
#include "sheet/value_text.h"

namespace rv {

void ListStoredEquation(DataFileSession& session, EquationList& equations) {
  equations.clear();
  if (session.selectedIndex < 0) {
    if (session.graphedIndex >= 0) session.graphedIndex = -1;
    return;
  }
  equations.setSingleEntry(session.savedEquation);
  session.graphedIndex = session.graphedIndex == session.selectedIndex ? 0 : -1;
  session.selectedIndex = 0;
}

void RefreshSaveArea(DataFileSession& session, const EquationList& equations) {
  if (session.selectedIndex < 0 || session.selectedIndex >= equations.size()) return;
  const std::vector<int> order = equations.sortOrder();
  session.savedEquation = equations.slot(order[static_cast<std::size_t>(session.selectedIndex)]);
}

StoredEquationFit RecreateStoredEquation(FitWorkspace& workspace, const Document& document,
                                         const EquationRecord& stored) {
  const SearchData data = SnapshotWithCounts(document.sheet.cells, document.pointCount, document.columnCount);
  const SearchShape shape = MakeSearchShape(data, document.options);
  if (stored.ordinal < 1 || stored.ordinal > CandidateSequence(shape).count()) return StoredEquationFit::Differs;
  if (!RecreateEquation(workspace, data, shape, stored.ordinal)) return StoredEquationFit::CannotBeFitted;
  const bool same = workspace.text == stored.text && FormatText(" %f", workspace.lastRSquared) == stored.rSquaredText;
  return same ? StoredEquationFit::Matches : StoredEquationFit::Differs;
}

Message StoredEquationMismatchMessage(const std::string& name) {
  return {"The equation stored in '" + name + "' does not match its data and was left out.", MessageKind::Information};
}

std::optional<Message> DropMismatchedStoredEquation(const Document& document, DataFileSession& session,
                                                    const std::string& name) {
  if (session.selectedIndex < 0) return std::nullopt;
  FitWorkspace workspace;
  if (RecreateStoredEquation(workspace, document, session.savedEquation) == StoredEquationFit::Matches)
    return std::nullopt;
  session.selectedIndex = -1;
  session.graphedIndex = -1;
  session.savedEquation = EquationRecord{};
  session.graphVariables.clear();
  session.graphDrawn = false;
  return StoredEquationMismatchMessage(name);
}

}  // namespace rv
