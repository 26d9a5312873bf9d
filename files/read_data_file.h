#pragma once

#include <string>

#include "base/outcome.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// Opens a data file (Open, a recent-file command, a file named at start-up).
// Before calling, the application ends any range selection, commits the cell
// being edited, stops the graph's rotation, shows kLoadingStatus and a wait
// cursor; afterwards it shows kReadyStatus and the arrow cursor, then shows
// the failure's message or acts on the view updates.
//
// The whole file is read and checked before anything changes. On success the
// document, the session and the equation list are replaced: the list holds
// the stored equation as its only entry, selected (selectedIndex 0, and
// graphedIndex 0 when it named the same equation), or nothing when none was
// stored as selected; Shade Surface keeps its current value; the document
// takes the path (a relative one from the current folder), its file title and
// folder (the data folder), the named flag is set, the modified flag cleared,
// and the path goes to the top of the recent files. The graph is marked not
// drawn; pressDraw asks for it to be drawn again when it was drawn at
// save time.
//
// The stored equation is kept only when its ordinal re-creates its text,
// with the R squared of the fit now where that differs from the stored one
// (see DropMismatchedStoredEquation); otherwise the sheet opens without it.
// The updates' notice says either.
//
// When the file cannot be opened, every recent-file slot holding the path is
// emptied (the application rebuilds the recent-file menu after any failed
// file operation). When it is shorter than 16,370 bytes, has the wrong magic
// number, or its bytes behind the block are no sound extension (a longer
// sheet's rows, data_file_extension.h), it is reported as corrupted. In both
// cases the sheet in memory, its path and its flags stay as they were.
Outcome<ViewUpdates> ReadDataFile(const std::string& path, Document& document, DataFileSession& session,
                                  EquationList& equations, RecentFiles& recentFiles);

}  // namespace rv
