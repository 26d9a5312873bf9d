#pragma once

#include <optional>
#include <string>

#include "base/outcome.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// Where Save writes: the current path of a named sheet. Nothing for an
// untitled sheet: Save then opens Save As.
std::optional<std::string> SavePathOf(const DocumentState& state);

// Saves the document as a data file (Save, Save As, Yes to the save-changes
// question). Before calling, the application commits the cell being edited,
// shows the status text kSavingStatus and a wait cursor; afterwards it shows
// kReadyStatus and the arrow cursor, then acts on the outcome.
//
// The file name's extension is replaced by ".rvd" (a relative path is taken
// from the current folder). When an equation is selected
// (session.selectedIndex names an entry of the list in sorted order), the
// equation save area is refreshed from that entry first; otherwise it is
// written unchanged.
//
// On success the document takes the new path, its file title and folder
// (the data folder), the named flag is set and the modified flag cleared, and
// the path goes to the top of the recent files. On failure the message says
// why, in the system's words (StoreDataFile), the file already at the path is
// left as it was, and so is the document: its name, and its changes still
// to save.
Outcome<ViewUpdates> WriteDataFile(const std::string& path, Document& document, DataFileSession& session,
                                   const EquationList& equations, RecentFiles& recentFiles);

}  // namespace rv
