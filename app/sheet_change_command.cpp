#include "app/sheet_change_command.h"

namespace rv {

SheetChangeCommand::SheetChangeCommand(SheetChangeOwner& owner, const QString& name, const DataSheet& before,
                                       const DataSheet& after)
    : QUndoCommand(name), owner_(owner), change_(before, after) {}

void SheetChangeCommand::undo() { owner_.replaceSheet(change_.before(owner_.currentSheet())); }

void SheetChangeCommand::redo() { owner_.replaceSheet(change_.after(owner_.currentSheet())); }

}  // namespace rv
