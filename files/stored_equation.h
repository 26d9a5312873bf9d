#pragma once

#include <optional>
#include <string>

#include "files/data_file_session.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "sheet/message.h"

namespace rv {

// After a data file's contents replaced the sheet: the list holds the stored
// equation as its only entry, selected (and graphed when it was the graphed
// one), or nothing when none was stored as selected.
void ListStoredEquation(DataFileSession& session, EquationList& equations);

// Before a sheet is written: when an equation is selected (selectedIndex
// names an entry of the list in sorted order) the save area takes it;
// otherwise it stays as it was last saved or read.
void RefreshSaveArea(DataFileSession& session, const EquationList& equations);

enum class StoredEquationFit {
  Matches,         // its ordinal re-creates the same text and R squared
  Differs,         // another equation, or no equation at all, has that ordinal
  CannotBeFitted,  // the equation of that ordinal cannot be fitted to the data now
};

// Re-creates the stored equation into workspace from its ordinal, with the
// document's counts of its last search and its options, and compares the
// text and the R squared to the six decimals the file stores: a damaged
// ordinal names another equation, which must not be shown under this one's
// text and score.
StoredEquationFit RecreateStoredEquation(FitWorkspace& workspace, const Document& document,
                                         const EquationRecord& stored);

// Said when a data file's stored equation is left out; name is the file's.
Message StoredEquationMismatchMessage(const std::string& name);

// Opening a data file keeps its stored equation only when it matches: else
// the session is left without a selected or graphed equation, and the graph
// variables that went with it, and the message says so.
std::optional<Message> DropMismatchedStoredEquation(const Document& document, DataFileSession& session,
                                                    const std::string& name);

}  // namespace rv
