#pragma once

#include <string>

#include "files/data_file_session.h"
#include "files/file_outcome.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// When the desktop session ends the program (SIGTERM, SIGHUP) with changes
// not saved, the sheet is kept in a folder of the user's state, as a data
// file beside a note of the path it was last saved to, until the next start
// offers it back.
inline constexpr const char* kRecoveryDataFileName = "recovery.rvd";
inline constexpr const char* kRecoveryPathFileName = "recovery.path";

// "regrovantis" in $XDG_STATE_HOME, or in $HOME/.local/state when that is
// unset or not absolute. Empty when neither names a folder.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// Writes the document and session into the folder, making it when needed.
// False when they could not be written.
bool SaveRecoveryFile(const std::string& folder, const Document& document, const DataFileSession& session);

// The title the offer to restore names: the file name the sheet was last
// saved as, or "Untitled". Nothing when the folder holds no sheet to offer.
std::optional<std::string> RecoveredSheetTitle(const std::string& folder);

// Replaces the sheet by the kept one, as Open replaces it, but the sheet
// keeps the name it had and counts as changed, since it never was saved;
// the recent files stay as they are. The kept sheet is removed either way.
FileOutcome RestoreRecoveredSheet(const std::string& folder, Document& document, DataFileSession& session,
                                  EquationList& equations);

// Removes the kept sheet: the user declined it.
void DiscardRecoveredSheet(const std::string& folder);

}  // namespace rv
