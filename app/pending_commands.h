#pragma once

#include "files/data_file_session.h"

class QWidget;

namespace rv {

// Print Graph, whose owner, printing, is not part of the program yet. It
// shows what the program shows when there is no graph to print and
// otherwise does nothing, so menus, keys and context menus already reach
// their place.
class PendingCommands {
 public:
  PendingCommands(const DataFileSession& session, QWidget* owner);

  void printGraph();

 private:
  const DataFileSession& session_;
  QWidget* owner_;
};

}  // namespace rv
