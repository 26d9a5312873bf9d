#pragma once

#include "files/data_file_session.h"
#include "regress/equation_list.h"

class QWidget;

namespace rv {

// The commands whose owners, the Equations tab, the Graph tab, the
// Variables dialog and printing, are not part of the program yet. Each shows
// what the program shows when there is nothing to act on and otherwise does
// nothing, so menus, keys and context menus already reach their place.
class PendingCommands {
 public:
  PendingCommands(const DataFileSession& session, const EquationList& equations, QWidget* owner);

  bool statisticsWindowOpen() const { return false; }

  void printData();
  void printEquation();
  void printGraph();
  void copyGraph();
  void copyEquation();
  void showVariables();
  void pressStart();
  void pressStop();
  void pressStats();
  void pressDraw();
  void pressRotate();

 private:
  bool equationSelected() const;

  const DataFileSession& session_;
  const EquationList& equations_;
  QWidget* owner_;
};

}  // namespace rv
