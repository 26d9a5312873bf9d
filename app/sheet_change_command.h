#pragma once

#include <QString>
#include <QUndoCommand>

#include "sheet/data_sheet.h"

namespace rv {

// What a change on the undo stack needs from the owner of the sheet.
class SheetChangeOwner {
 public:
  virtual ~SheetChangeOwner() = default;
  // The sheet takes these contents, as after any edit the user makes.
  virtual void replaceSheet(const DataSheet& sheet) = 0;
};

// One step of the undo stack: a change of the sheet, kept as the sheet before
// and after it, which the owner puts in place. Both are exact copies, so
// undo and redo give back every cell, name, format, width and graph value bit
// for bit, whatever the change was.
class SheetChangeCommand : public QUndoCommand {
 public:
  SheetChangeCommand(SheetChangeOwner& owner, const QString& name, const DataSheet& before, const DataSheet& after);

  void undo() override;
  void redo() override;

 private:
  SheetChangeOwner& owner_;
  DataSheet before_;
  DataSheet after_;
};

}  // namespace rv
