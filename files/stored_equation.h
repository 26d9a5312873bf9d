#pragma once

#include <optional>
#include <string>

#include "base/message.h"
#include "files/data_file_session.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

namespace rv {

// After a data file's contents replaced the sheet: the list holds the stored
// equation as its only entry, selected (and graphed when it was the graphed
// one), or nothing when none was stored as selected.
void ListStoredEquation(DataFileSession& session, EquationList& equations);

// Before a sheet is written: when an equation is selected (selectedIndex
// names an entry of the list in sorted order) the save area takes it;
// otherwise it stays as it was last saved or read.
void RefreshSaveArea(DataFileSession& session, const EquationList& equations);

// Not an outcome: two of the four keep the equation and two drop it, and
// each is told to the user in its own words.
enum class StoredEquationFit {
  Matches,         // its ordinal re-creates the same text and R squared
  Refitted,        // the same text, whose R squared the fit now gives otherwise (a file of an earlier, less exact fit)
  Differs,         // another equation, or no equation at all, has that ordinal
  CannotBeFitted,  // the equation of that ordinal cannot be fitted to the data now
};

// Re-creates the stored equation into workspace from its ordinal, with the
// document's counts of its last search and its options, and compares the
// text (a damaged ordinal names another equation, which must not be shown
// under this one's text) and the R squared, which matches when it is the
// stored six decimals or within 1e-6 of them relative to its size: a file
// saved by an earlier fit of the same equation on well-conditioned data.
StoredEquationFit RecreateStoredEquation(FitWorkspace& workspace, const Document& document,
                                         const EquationRecord& stored);

// Said when a data file's stored equation is left out; name is the file's.
Message StoredEquationMismatchMessage(const std::string& name);

// Said when it is kept with the R squared of its fit now.
Message StoredEquationRefittedMessage(const std::string& name, const std::string& storedText, double now);

// More than an outcome: a kept equation may come with a notice too.
struct StoredEquationCheck {
  std::optional<Message> notice;  // what the user is told, if anything
  bool kept = true;               // whether the stored equation stays selected
};

// Opening a data file keeps its stored equation when it matches, and when it
// was only refitted, with the R squared of the fit now and a notice that
// says which one is kept. Else the session is left without a selected or
// graphed equation, and the graph variables that went with it, and the
// notice says so.
StoredEquationCheck DropMismatchedStoredEquation(const Document& document, DataFileSession& session,
                                                 const std::string& name);

}  // namespace rv
