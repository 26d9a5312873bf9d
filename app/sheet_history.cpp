#include "app/sheet_history.h"

#include <QUndoStack>

#include "app/command_actions.h"
#include "sheet/sheet_edit_name.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

// Each step keeps the rows it changed and two copies of what the sheet keeps
// beside its values, some 30 KB for a change of a few rows.
constexpr int kUndoSteps = 100;

}  // namespace

SheetHistory::SheetHistory(SheetChangeOwner& owner, CommandActions& commands, QObject* parent)
    : QObject(parent), owner_(owner), commands_(commands), stack_(new QUndoStack(this)) {
  stack_->setUndoLimit(kUndoSteps);
  connect(stack_, &QUndoStack::indexChanged, this, &SheetHistory::showState);
}

// The stack empties itself as it goes, after the commands' owner has gone.
SheetHistory::~SheetHistory() { disconnect(stack_, nullptr, this, nullptr); }

void SheetHistory::push(const QString& name, const DataSheet& before, const DataSheet& after) {
  typingPending_ = false;
  stack_->push(new SheetChangeCommand(owner_, name, before, after));
}

void SheetHistory::pushEdit(const DataSheet& sheet, const SheetEdit& edit, QWidget* owner) {
  DataSheet after = sheet;
  const SheetEditOutcome outcome = ApplySheetEdit(after, edit);
  if (!outcome.refusal.empty()) {
    ShowMessage(QString::fromStdString(outcome.refusal), owner, MessageKind::Error);
    return;
  }
  push(editName_.isEmpty() ? QString::fromUtf8(SheetEditName(edit)) : editName_, sheet, after);
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
  stack_->undo();
  showState();
}

void SheetHistory::redo() {
  typingPending_ = false;
  stack_->redo();
  showState();
}

void SheetHistory::forget() {
  typingPending_ = false;
  stack_->clear();
  showState();
}

// A text being typed is a change of its own: Undo names it and Redo has
// nothing to repeat, since committing the text ends every redo.
void SheetHistory::showState() {
  const QString typing = QString::fromUtf8(SheetEditName(CellTextEntered{}));
  commands_.setUndoNames(typingPending_ ? typing : stack_->undoText(), typingPending_ ? QString() : stack_->redoText());
  commands_.setGreyed(command::kUndo, !typingPending_ && !stack_->canUndo());
  commands_.setGreyed(command::kRedo, typingPending_ || !stack_->canRedo());
}

}  // namespace rv
