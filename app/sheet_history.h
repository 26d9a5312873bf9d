#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

#include "sheet/sheet_edit.h"
#include "sheet/undo_history.h"

class QWidget;

namespace rv {

class CommandActions;

// Which way a change of the history goes.
enum class ChangeDirection { Undo, Redo };

// What the history needs from the owner of the sheet, which alone changes it.
class SheetChangeOwner {
 public:
  virtual ~SheetChangeOwner() = default;
  virtual const DataSheet& currentSheet() const = 0;
  // Makes the edit on the sheet in place, as any edit the user makes.
  virtual SheetEditOutcome applyEdit(const SheetEdit& edit) = 0;
  // Undoes or redoes the change on the sheet in place.
  virtual void applyChange(const SheetChange& change, ChangeDirection direction) = 0;
};

// The changes of the sheet that Undo and Redo step through, and the text
// being typed that no step holds yet. Each step is made on the sheet through
// its owner; the history keeps only the cells a step changed (SheetChange),
// within a budget of bytes, and names and greys Undo and Redo as it stands.
class SheetHistory : public QObject {
  Q_OBJECT
 public:
  SheetHistory(SheetChangeOwner& owner, CommandActions& commands, QObject* parent);

  // A change of the sheet, given whole before and after, becomes one step,
  // and is made.
  void push(const QString& name, const DataSheet& before, const DataSheet& after);
  // An edit the user made on the Data tab is made and becomes one step,
  // which keeps only the cells the edit changed. A refused edit leaves the
  // sheet as it was and says why over owner; what an edit could not do is
  // said in a message of its own: it names rows and columns the user has to
  // look for, too long for a pane of the status bar.
  void pushEdit(const SheetEdit& edit, QWidget* owner);
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
  // The memory the steps may take, from the Options.
  void setByteBudget(std::size_t bytes) { steps_.setByteBudget(bytes); }

  const UndoHistory& steps() const { return steps_; }

 private:
  void keep(const QString& name, SheetChange change);

  SheetChangeOwner& owner_;
  CommandActions& commands_;
  UndoHistory steps_;
  // A text is being typed that no step of the history holds yet.
  bool typingPending_ = false;
  QString editName_;
};

}  // namespace rv
