#include "app/sheet_history.h"

#include "app/command_actions.h"
#include "sheet/sheet_edit_name.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv {

SheetHistory::SheetHistory(SheetChangeOwner& owner, CommandActions& commands, QObject* parent)
    : QObject(parent), owner_(owner), commands_(commands) {}

void SheetHistory::keep(const QString& name, SheetChange change) {
  typingPending_ = false;
  steps_.push(name.toStdString(), std::move(change));
  showState();
}

void SheetHistory::push(const QString& name, const DataSheet& before, const DataSheet& after) {
  SheetChange change(before, after);
  owner_.applyChange(change, ChangeDirection::Redo);
  keep(name, std::move(change));
}

void SheetHistory::pushEdit(const SheetEdit& edit, QWidget* owner) {
  const DataSheet& sheet = owner_.currentSheet();
  const SheetChangeRecorder recorder(sheet, RegionOfEdit(sheet, edit));
  const SheetEditOutcome outcome = owner_.applyEdit(edit);
  if (!outcome.refusal.empty()) {
    ShowMessage(QString::fromStdString(outcome.refusal), owner, MessageKind::Error);
    return;
  }
  keep(editName_.isEmpty() ? QString::fromUtf8(SheetEditName(edit)) : editName_,
       recorder.finish(owner_.currentSheet()));
  if (!outcome.notice.empty()) ShowMessage(QString::fromStdString(outcome.notice), owner, MessageKind::Information);
}

void SheetHistory::typingChanged() {
  if (typingPending_) return;
  typingPending_ = true;
  showState();
}

// The command table has committed the text being typed before these run, so
// a typed text is the step they take back first.
void SheetHistory::undo() {
  typingPending_ = false;
  if (const SheetChange* change = steps_.undo()) owner_.applyChange(*change, ChangeDirection::Undo);
  showState();
}

void SheetHistory::redo() {
  typingPending_ = false;
  if (const SheetChange* change = steps_.redo()) owner_.applyChange(*change, ChangeDirection::Redo);
  showState();
}

void SheetHistory::forget() {
  typingPending_ = false;
  steps_.clear();
  showState();
}

// A text being typed is a change of its own: Undo names it and Redo has
// nothing to repeat, since committing the text ends every redo.
void SheetHistory::showState() {
  const QString typing = QString::fromUtf8(SheetEditName(CellTextEntered{}));
  commands_.setUndoNames(typingPending_ ? typing : QString::fromStdString(steps_.undoName()),
                         typingPending_ ? QString() : QString::fromStdString(steps_.redoName()));
  commands_.setGreyed(command::kUndo, !typingPending_ && !steps_.canUndo());
  commands_.setGreyed(command::kRedo, typingPending_ || !steps_.canRedo());
}

}  // namespace rv
