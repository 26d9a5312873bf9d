#pragma once

#include <optional>

#include "base/message.h"

namespace rv {

// What the application must do with its windows after a file operation
// succeeded. The engine never shows anything: the application shows the
// notice (when there is one) and then acts on each flag that is set. A
// failed operation comes as its message instead (Outcome<ViewUpdates>).
struct ViewUpdates {
  // Said although the operation succeeded: a data file opened without its
  // stored equation.
  std::optional<Message> notice;

  // Show WindowTitle(document.state) in the title bar.
  bool updateTitle = false;
  // Rebuild the File menu's recent-file entries from RecentFiles::menuItems().
  bool updateRecentFileMenu = false;
  // Grid header gets the seventeen names and widths, every cell its formatted
  // text, the entry line the first cell; the focus goes to cell (0, 0), key
  // presses still waiting are discarded and the scroll ranges are set anew.
  bool reloadSheet = false;
  // The Equations tab's set indicators and status texts are cleared and its
  // list is refilled from the EquationList, selecting DataFileSession::selectedIndex.
  bool reloadEquationList = false;
  // The Graph tab's variable list is refilled from DataFileSession::graphVariables.
  bool reloadGraphVariables = false;
  // The graph stops rotating and releases its drawing context.
  bool releaseGraph = false;
  // Press the Graph tab's Draw button.
  bool pressDraw = false;
  // Return the focus to the current cell when the Data tab is showing.
  bool focusCurrentCell = false;
};

// After New or Open: another sheet is in memory, so every view shows it anew.
inline ViewUpdates SheetReplacedUpdates() {
  ViewUpdates updates;
  updates.updateTitle = true;
  updates.reloadSheet = true;
  updates.reloadEquationList = true;
  updates.reloadGraphVariables = true;
  updates.releaseGraph = true;
  return updates;
}

}  // namespace rv
