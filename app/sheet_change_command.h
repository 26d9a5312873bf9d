#pragma once

#include <QString>
#include <QUndoCommand>

#include "sheet/sheet_change.h"

namespace rv {

// What a change on the undo stack needs from the owner of the sheet.
class SheetChangeOwner {
 public:
  virtual ~SheetChangeOwner() = default;
  // The sheet takes these contents, as after any edit the user makes.
  virtual void replaceSheet(const DataSheet& sheet) = 0;
  // The sheet as it is: every change of it is a step, so it is the sheet the
  // step to undo or redo left.
  virtual const DataSheet& currentSheet() const = 0;
};

// One step of the undo stack: a change of the sheet, kept as the rows it
// changed and everything beside the values (SheetChange), from which the
// owner's sheet is made as it was before or after. Undo and redo give back
// every cell, name, format, width and graph value bit for bit, whatever the
// change was.
class SheetChangeCommand : public QUndoCommand {
 public:
  SheetChangeCommand(SheetChangeOwner& owner, const QString& name, const DataSheet& before, const DataSheet& after);

  void undo() override;
  void redo() override;

 private:
  SheetChangeOwner& owner_;
  SheetChange change_;
};

}  // namespace rv
