#include "sheet/sheet_edit_name.h"

namespace rv {

namespace {

struct Namer {
  const char* operator()(const CellTextEntered&) const { return "Typing"; }
  const char* operator()(const TextPasted&) const { return "Paste"; }
  const char* operator()(const CellsCleared&) const { return "Clear"; }
  const char* operator()(const RowInserted&) const { return "Insert Row"; }
  const char* operator()(const RowDeleted&) const { return "Delete Row"; }
  const char* operator()(const RowAppended&) const { return "Add Row"; }
  const char* operator()(const ColumnInserted&) const { return "Insert Column"; }
  const char* operator()(const ColumnDeleted&) const { return "Delete Column"; }
  const char* operator()(const ColumnFormatted&) const { return "Format"; }
  const char* operator()(const ColumnScaled&) const { return "Scale"; }
  const char* operator()(const ColumnResized&) const { return "Column Width"; }
};

}  // namespace

const char* SheetEditName(const SheetEdit& edit) { return std::visit(Namer{}, edit); }

}  // namespace rv
