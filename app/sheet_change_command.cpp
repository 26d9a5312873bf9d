#include "app/sheet_change_command.h"

namespace rv {

SheetChangeCommand::SheetChangeCommand(SheetChangeOwner& owner, const QString& name, const DataSheet& before,
                                       const DataSheet& after)
    : QUndoCommand(name), owner_(owner), before_(before), after_(after) {}

void SheetChangeCommand::undo() { owner_.replaceSheet(before_); }

void SheetChangeCommand::redo() { owner_.replaceSheet(after_); }

}  // namespace rv
