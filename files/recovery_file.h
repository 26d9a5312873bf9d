#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/data_file_session.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"
#include "sheet/outcome.h"

namespace rv {

// Each window keeps its sheet with unsaved changes in a folder of the user's
// state: when the session or a signal ends the program, and every few
// minutes while the sheet is modified, so that a crash loses little. A kept
// sheet is a data file, "recovery-PID-N.rvd", beside a note of the path it
// was last saved to, "recovery-PID-N.path"; PID is the process's id and N
// numbers the windows of that process. The next start offers back every kept
// sheet whose window is gone.
struct RecoverySlot {
  int processId = 0;
  int window = 0;
  friend bool operator==(const RecoverySlot&, const RecoverySlot&) = default;
};

// "regrovantis" in $XDG_STATE_HOME, or in $HOME/.local/state when that is
// unset or not absolute. Empty when neither names a folder.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// Writes the window's sheet into the folder, making it when needed: the
// document, the equation selected in the list (as Save stores it) and the
// graph variables that go with it. False when it could not be written.
bool SaveRecoveryFile(const std::string& folder, RecoverySlot slot, const Document& document,
                      const DataFileSession& session, const EquationList& equations);

// Removes the window's kept sheet: it was saved, or the user let the changes go.
void RemoveRecoveryFile(const std::string& folder, RecoverySlot slot);

struct RecoveredSheet {
  RecoverySlot slot;
  // The file name the sheet was last saved as, or "Untitled".
  std::string title;
  // When it was kept, in seconds since 1970.
  std::int64_t keptAt = 0;
};

// Every kept sheet in the folder whose window is gone (stillOpen says no),
// oldest first.
std::vector<RecoveredSheet> RecoveredSheets(const std::string& folder,
                                            const std::function<bool(RecoverySlot)>& stillOpen);

// Replaces the sheet by the kept one, as Open replaces it, with its stored
// equation and graph variables, but the sheet keeps the name it had and
// counts as changed, since it never was saved; the recent files stay as they
// are. The kept sheet is removed either way.
Outcome<ViewUpdates> RestoreRecoveredSheet(const std::string& folder, RecoverySlot slot, Document& document,
                                           DataFileSession& session, EquationList& equations);

}  // namespace rv
