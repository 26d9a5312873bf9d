#pragma once

#include <QObject>
#include <QString>

#include "app/sheet_change_command.h"
#include "sheet/sheet_edit.h"

class QUndoStack;
class QWidget;

namespace rv {

class CommandActions;

// The changes of the sheet that Undo and Redo step through, and the text
// being typed that no step holds yet. Each step puts its sheet in place
// through the owner of the sheet, which alone writes the document; the
// history names and greys Undo and Redo as it stands.
class SheetHistory : public QObject {
  Q_OBJECT
 public:
  SheetHistory(SheetChangeOwner& owner, CommandActions& commands, QObject* parent);
  ~SheetHistory() override;

  // A change of the sheet becomes one step, and is made.
  void push(const QString& name, const DataSheet& before, const DataSheet& after);
  // An edit the user made on the Data tab becomes one step, applied to a copy
  // of sheet. A refused edit leaves the sheet as it was and says why over
  // owner; what an edit could not do is said in a message of its own: it
  // names rows and columns the user has to look for, too long for a pane of
  // the status bar.
  void pushEdit(const DataSheet& sheet, const SheetEdit& edit, QWidget* owner);
  // Names the edits until the name is cleared, for the command that makes
  // them when the edit alone would name it otherwise (Cut, which the Data tab
  // reports as a clear).
  void setEditName(const QString& name) { editName_ = name; }
  // A key changed the text being typed: Undo can take it back once it is
  // committed.
  void typingChanged();
  void undo();
  void redo();
  // Another sheet is in memory: nothing of the old one can be undone.
  void forget();
  void showState();

  const QUndoStack& stack() const { return *stack_; }

 private:
  SheetChangeOwner& owner_;
  CommandActions& commands_;
  QUndoStack* stack_;
  // A text is being typed that no step of the stack holds yet.
  bool typingPending_ = false;
  QString editName_;
};

}  // namespace rv
