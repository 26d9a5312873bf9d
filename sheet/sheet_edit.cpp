#include "sheet/sheet_edit.h"

#include <algorithm>

#include "sheet/cell_entry.h"
#include "sheet/clear_cells.h"
#include "sheet/clipboard_text.h"
#include "sheet/graph_range.h"
#include "sheet/row_column_edit.h"

namespace rv {

namespace {

bool IsColumn(int column) { return column >= 0 && column < kSheetColumns; }

// Any cell the sheet can grow to hold.
bool IsCell(CellPosition cell) { return cell.row >= 0 && cell.row < kMaxSheetRows && IsColumn(cell.column); }

// One overload per edit; std::visit picks the one that matches.
struct Applier {
  DataSheet& sheet;
  SheetEditOutcome& outcome;

  void operator()(const CellTextEntered& edit) const {
    if (!IsCell(edit.cell)) return;
    sheet.cells.ensureRows(edit.cell.row + 1);
    sheet.cell(edit.cell.row, edit.cell.column) = CellValueFromText(edit.text);
  }
  void operator()(const TextPasted& edit) const {
    if (!IsCell(edit.start)) return;
    const PasteOutcome pasted = PasteText(sheet.cells, edit.text, edit.start,
                                          edit.selection ? &*edit.selection : nullptr, edit.heading, edit.numberFormat);
    outcome.refusal = pasted.error;
    outcome.notice = PasteNotice(pasted);
    for (const PastedName& name : pasted.names) sheet.names[static_cast<size_t>(name.column)] = name.name;
  }
  void operator()(const CellsCleared& edit) const { ClearCells(sheet.cells, edit.range); }
  void operator()(const RowInserted& edit) const {
    if (!InsertRow(sheet, edit.row))
      outcome.refusal = "No row was inserted: the sheet's last row, " + std::to_string(kMaxSheetRows) +
                        ", holds data, and a sheet holds at most " + std::to_string(kMaxSheetRows) + " rows.";
  }
  void operator()(const RowDeleted& edit) const { DeleteRow(sheet, edit.row); }
  void operator()(const RowAppended&) const { sheet.cells.ensureRows(sheet.cells.rowCount() + 1); }
  void operator()(const ColumnInserted& edit) const { InsertColumn(sheet, edit.column); }
  void operator()(const ColumnDeleted& edit) const { DeleteColumn(sheet, edit.column); }
  void operator()(const ColumnFormatted& edit) const {
    if (!IsColumn(edit.column)) return;
    sheet.formats[edit.column] = {edit.format.kind,
                                  std::min(edit.format.places, static_cast<std::uint32_t>(kMaxDecimalPlaces))};
  }
  void operator()(const ColumnScaled& edit) const {
    if (!IsColumn(edit.column)) return;
    RestoreColumn(sheet.cells, edit.column, edit.values);
    if (sheet.autoUpdate && edit.column > 0) UpdateGraphRange(sheet, edit.column);
  }
  void operator()(const ColumnResized& edit) const {
    if (IsColumn(edit.column)) SetColumnWidth(sheet, edit.column, std::clamp(edit.width, 1, kMaxColumnWidth));
  }
};

}  // namespace

SheetEditOutcome ApplySheetEdit(DataSheet& sheet, const SheetEdit& edit) {
  SheetEditOutcome outcome;
  std::visit(Applier{sheet, outcome}, edit);
  return outcome;
}

}  // namespace rv
