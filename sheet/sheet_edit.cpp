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

// The lines of a pasted text at most: every line end, CR or LF, may end one.
int MostLines(std::string_view text) {
  const auto ends = std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r');
  return static_cast<int>(std::min<std::ptrdiff_t>(ends + 1, kMaxSheetRows));
}

SheetRegion Rows(int top, int end, int firstColumn, int endColumn) {
  return {std::clamp(top, 0, kMaxSheetRows), std::clamp(end, 0, kMaxSheetRows),
          std::clamp(firstColumn, 0, kSheetColumns), std::clamp(endColumn, 0, kSheetColumns), false};
}

// One overload per edit, as Applier's.
struct RegionFinder {
  const DataSheet& sheet;

  SheetRegion operator()(const CellTextEntered& edit) const {
    if (!IsCell(edit.cell)) return {};
    return Rows(edit.cell.row, edit.cell.row + 1, edit.cell.column, edit.cell.column + 1);
  }
  SheetRegion operator()(const TextPasted& edit) const {
    if (!IsCell(edit.start)) return {};
    SheetRegion region = Rows(edit.start.row, edit.start.row + MostLines(edit.text), edit.start.column, kSheetColumns);
    if (!edit.selection) return region;
    const CellRange& only = *edit.selection;
    return Rows(std::max(region.top, only.top), std::min(region.end, only.bottom + 1),
                std::max(region.firstColumn, only.left), std::min(region.endColumn, only.right + 1));
  }
  SheetRegion operator()(const CellsCleared& edit) const {
    const CellRange& range = edit.range;
    return Rows(range.top, std::min(range.bottom + 1, sheet.cells.rowCount()), range.left, range.right + 1);
  }
  SheetRegion operator()(const RowInserted& edit) const {
    return {edit.row, sheet.cells.rowCount(), 0, kSheetColumns, true};
  }
  SheetRegion operator()(const RowDeleted& edit) const {
    return {edit.row, sheet.cells.rowCount(), 0, kSheetColumns, true};
  }
  SheetRegion operator()(const RowAppended&) const { return {}; }
  SheetRegion operator()(const ColumnInserted& edit) const {
    return Rows(0, sheet.cells.rowCount(), edit.column, kSheetColumns);
  }
  SheetRegion operator()(const ColumnDeleted& edit) const {
    return Rows(0, sheet.cells.rowCount(), edit.column, kSheetColumns);
  }
  SheetRegion operator()(const ColumnFormatted&) const { return {}; }
  SheetRegion operator()(const ColumnScaled& edit) const {
    if (!IsColumn(edit.column)) return {};
    const int rows = std::max(sheet.cells.rowCount(), static_cast<int>(edit.values.size()));
    return Rows(0, rows, edit.column, edit.column + 1);
  }
  SheetRegion operator()(const ColumnResized&) const { return {}; }
};

}  // namespace

SheetEditOutcome ApplySheetEdit(DataSheet& sheet, const SheetEdit& edit) {
  SheetEditOutcome outcome;
  std::visit(Applier{sheet, outcome}, edit);
  return outcome;
}

SheetRegion RegionOfEdit(const DataSheet& sheet, const SheetEdit& edit) {
  return std::visit(RegionFinder{sheet}, edit);
}

}  // namespace rv
