#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "files/data_file_session.h"
#include "files/disk_identity.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// Each window keeps its sheet with unsaved changes in a folder of the user's
// state: when the session or a signal ends the program, and every few
// minutes while the sheet is modified, so that a crash loses little. A kept
// sheet is a data file, "recovery-ID.rvd", beside a note, "recovery-ID.note",
// of the process that kept it (its id and start stamp), the rows holding
// data, the path the sheet was last saved to and how that file looked when
// the window last opened or saved it. ID, made of the time and random
// digits, is the window's alone: no window of this or any later process
// takes another's. The next start offers back every kept sheet whose window
// is gone. A sheet kept by a version that named its files by process id,
// "recovery-PID-N.rvd" beside "recovery-PID-N.path" (the path alone), is
// offered too.
struct RecoverySlot {
  std::string id;
  friend bool operator==(const RecoverySlot&, const RecoverySlot&) = default;
};

// A slot of its own for a new window.
RecoverySlot NewRecoverySlot();

// The process that keeps a sheet: its id and start stamp (running_process.h).
struct RecoveryKeeper {
  int processId = 0;
  std::uint64_t processStart = 0;
  friend bool operator==(const RecoveryKeeper&, const RecoveryKeeper&) = default;
};

// "regrovantis" in $XDG_STATE_HOME, or in $HOME/.local/state when that is
// unset or not absolute. Empty when neither names a folder.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// What a window keeps: the document, the equation selected in the list (as
// Save stores it) and the graph variables that go with it, and how the
// sheet's file looked when the window last opened or saved it.
struct KeptSheet {
  const Document& document;
  const DataFileSession& session;
  const EquationList& equations;
  std::optional<DiskIdentity> fileIdentity;
};

// Writes the window's sheet into the folder. The folder is made when it is
// missing, readable by the user alone; a folder that is there keeps its
// permissions. The message says why nothing could be kept.
Outcome<void> SaveRecoveryFile(const std::string& folder, const RecoverySlot& slot, const RecoveryKeeper& keeper,
                               const KeptSheet& sheet);

// Removes the window's kept sheet: it was saved, or the user let the changes go.
void RemoveRecoveryFile(const std::string& folder, const RecoverySlot& slot);

struct RecoveredSheet {
  RecoverySlot slot;
  RecoveryKeeper keeper;  // start 0 for a sheet of the older version
  // The file name the sheet was last saved as, or "Untitled".
  std::string title;
  // When it was kept, in seconds since 1970.
  std::int64_t keptAt = 0;
  // The rows holding data; -1 when the older version did not say.
  int rows = -1;
};

// Every kept sheet in the folder whose window is gone (stillOpen says no),
// oldest first.
std::vector<RecoveredSheet> RecoveredSheets(const std::string& folder,
                                            const std::function<bool(const RecoveredSheet&)>& stillOpen);

// A restored sheet: what the views must show, and how its file looked when
// the sheet was kept (nothing for an untitled sheet or when unknown).
struct RestoredSheet {
  ViewUpdates updates;
  std::optional<DiskIdentity> fileIdentity;
};

// Replaces the sheet by the kept one, as Open replaces it, with its stored
// equation and graph variables, but the sheet keeps the name it had and
// counts as changed, since it never was saved; the recent files stay as they
// are. The kept sheet is removed either way.
Outcome<RestoredSheet> RestoreRecoveredSheet(const std::string& folder, const RecoverySlot& slot, Document& document,
                                             DataFileSession& session, EquationList& equations);

}  // namespace rv
