#include <QUndoStack>

#include "app/command_actions.h"
#include "app/main_window.h"
#include "sheet/sheet_edit_name.h"
#include "widgets/command_ids.h"

namespace rv {

void MainWindow::pushSheetChange(const QString& name, const DataSheet& after) {
  typingPending_ = false;
  undoStack_->push(new SheetChangeCommand(*this, name, document_.sheet, after));
}

void MainWindow::typingChanged() {
  document_.state.modified = true;
  if (typingPending_) return;
  typingPending_ = true;
  showUndoState();
}

// The command table has committed the text being typed before these run, so
// a typed text is the step they take back first.
void MainWindow::undoChange() {
  typingPending_ = false;
  undoStack_->undo();
  showUndoState();
}

void MainWindow::redoChange() {
  typingPending_ = false;
  undoStack_->redo();
  showUndoState();
}

void MainWindow::forgetChanges() {
  typingPending_ = false;
  undoStack_->clear();
  showUndoState();
}

// A text being typed is a change of its own: Undo names it and Redo has
// nothing to repeat, since committing the text ends every redo.
void MainWindow::showUndoState() {
  const QString typing = QString::fromUtf8(SheetEditName(CellTextEntered{}));
  commands_->setUndoNames(typingPending_ ? typing : undoStack_->undoText(),
                          typingPending_ ? QString() : undoStack_->redoText());
  commands_->setGreyed(command::kUndo, !typingPending_ && !undoStack_->canUndo());
  commands_->setGreyed(command::kRedo, typingPending_ || !undoStack_->canRedo());
}

}  // namespace rv
