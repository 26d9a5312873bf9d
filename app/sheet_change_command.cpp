#include "app/sheet_change_command.h"

namespace rv {

SheetChangeCommand::SheetChangeCommand(SheetChangeOwner& owner, const QString& name, const DataSheet& before,
                                       const DataSheet& after, std::string notice)
    : QUndoCommand(name), owner_(owner), before_(before), after_(after), notice_(std::move(notice)) {}

void SheetChangeCommand::undo() { owner_.replaceSheet(before_, {}); }

void SheetChangeCommand::redo() { owner_.replaceSheet(after_, notice_); }

}  // namespace rv
