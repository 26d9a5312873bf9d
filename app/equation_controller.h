#pragma once

#include <QPointer>

#include "files/data_file_session.h"
#include "regress/enumeration.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

class PrintController;
class StatisticsDialog;

// The equation the workspace holds: which entry of the list it is, re-created
// from the shape the list was found with whenever another entry is wanted,
// and the commands that show it (Stats, Copy Equation, Print Equation). It
// reads the document, the list and the selection and changes none of them.
class EquationController {
 public:
  // Dialogs and messages are shown over window.
  EquationController(const Document& document, const DataFileSession& session, const EquationList& equations,
                     PrintController& printing, QWidget* window);

  // The entry in a row of the list as the Equations tab shows it, nullptr
  // when the row holds none.
  const EquationRecord* entryInRow(int row) const;
  // The list entry selected on the Equations tab, nullptr when none is.
  const EquationRecord* selectedEntry() const { return entryInRow(session_.selectedIndex); }
  // Makes an entry the workspace's current equation, re-creating it when it
  // was not the one fitted last. False, after telling the user why, when it
  // cannot be re-created; false without a word for nullptr.
  bool makeCurrent(const EquationRecord* chosen);
  bool makeSelectedCurrent() { return makeCurrent(selectedEntry()); }

  void showStatistics();
  void copyEquation();
  void printEquation();

  // The sheet or the list changed: the workspace's equation was fitted to
  // what was there before, so it is re-created before it is used again.
  void forgetFit() { workspace_.lastFittedOrdinal = 0; }
  // A search ended: its list's ordinals belong to this shape.
  void adoptSearchShape(const SearchShape& shape);
  // A data file's list: its ordinals belong to the file's counts and options.
  void adoptStoredShape();

  const FitWorkspace& workspace() const { return workspace_; }
  // The statistics dialog while it is open.
  StatisticsDialog* statisticsDialog() const;

 private:
  const Document& document_;
  const DataFileSession& session_;
  const EquationList& equations_;
  PrintController& printing_;
  QWidget* window_;
  FitWorkspace workspace_;
  // The shape the listed ordinals were found with; Options changed since
  // then cannot change which equation an ordinal names.
  SearchShape listShape_;
  QPointer<StatisticsDialog> statistics_;
};

}  // namespace rv
