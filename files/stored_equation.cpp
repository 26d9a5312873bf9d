#include "files/stored_equation.h"

#include <cmath>
#include <cstdlib>

#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "regress/search_data.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

// Six decimals stored, rounded: a fit that agrees with the stored R squared
// to its last stored digit.
constexpr double kStoredRSquaredTolerance = 1e-6;

}  // namespace

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
  const SearchData data = SnapshotWithStoredCounts(document);
  const SearchShape shape = MakeSearchShape(data, document.options);
  if (stored.ordinal < 1 || stored.ordinal > CandidateSequence(shape).count()) return StoredEquationFit::Differs;
  if (!RecreateEquation(workspace, data, shape, stored.ordinal)) return StoredEquationFit::CannotBeFitted;
  if (workspace.text != stored.text) return StoredEquationFit::Differs;
  const double now = workspace.lastRSquared;
  const double before = std::strtod(stored.rSquaredText.c_str(), nullptr);
  const bool same = FormatText(" %f", now) == stored.rSquaredText ||
                    std::fabs(now - before) <= kStoredRSquaredTolerance * std::fmax(1.0, std::fabs(before));
  return same ? StoredEquationFit::Matches : StoredEquationFit::Refitted;
}

Message StoredEquationMismatchMessage(const std::string& name) {
  return {"The equation stored in '" + name + "' does not match its data and was left out.", MessageKind::Information};
}

Message StoredEquationRefittedMessage(const std::string& name, const std::string& storedText, double now) {
  return {"The equation stored in '" + name + "' was fitted again to its data: R squared" + storedText + " as stored," +
              FormatText(" %f", now) + " now. The new fit is kept.",
          MessageKind::Information};
}

StoredEquationCheck DropMismatchedStoredEquation(const Document& document, DataFileSession& session,
                                                 const std::string& name) {
  if (session.selectedIndex < 0) return {};
  FitWorkspace workspace;
  switch (RecreateStoredEquation(workspace, document, session.savedEquation)) {
    case StoredEquationFit::Matches: return {};
    case StoredEquationFit::Refitted: {
      const std::string storedText = session.savedEquation.rSquaredText;
      session.savedEquation.rSquared = workspace.lastRSquared;
      session.savedEquation.rSquaredText = FormatText(" %f", workspace.lastRSquared);
      return {StoredEquationRefittedMessage(name, storedText, workspace.lastRSquared), true};
    }
    case StoredEquationFit::Differs:
    case StoredEquationFit::CannotBeFitted: break;
  }
  session.selectedIndex = -1;
  session.graphedIndex = -1;
  session.savedEquation = EquationRecord{};
  session.graphVariables.clear();
  session.graphDrawn = false;
  return {StoredEquationMismatchMessage(name), false};
}

}  // namespace rv
