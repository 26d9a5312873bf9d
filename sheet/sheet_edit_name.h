#pragma once

#include "sheet/sheet_edit.h"

namespace rv {

// What the user did, in the words the Edit menu's Undo and Redo items name
// it with: "Typing", "Paste", "Clear", "Insert Row", "Delete Column",
// "Format", "Scale", "Column Width" ...
const char* SheetEditName(const SheetEdit& edit);

}  // namespace rv
