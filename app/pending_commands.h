#pragma once

#include "files/data_file_session.h"

class QWidget;

namespace rv {

// The commands whose owners, the Graph tab, the Variables dialog and
// printing, are not part of the program yet. Each shows what the program
// shows when there is nothing to act on and otherwise does nothing, so
// menus, keys and context menus already reach their place.
class PendingCommands {
 public:
  PendingCommands(const DataFileSession& session, QWidget* owner);

  void printGraph();
  void copyGraph();
  void showVariables();
  void pressDraw();
  void pressRotate();

 private:
  const DataFileSession& session_;
  QWidget* owner_;
};

}  // namespace rv
