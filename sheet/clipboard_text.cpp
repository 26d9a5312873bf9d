#include "sheet/clipboard_text.h"

#include <algorithm>

#include "sheet/cell_entry.h"
#include "sheet/value_text.h"

namespace rv {

std::string CopyText(const SheetValues& cells, const CellRange& range) {
  std::string text;
  text.reserve(static_cast<size_t>(range.rowCount()) * range.columnCount() * 20);
  for (int row = range.top; row <= range.bottom; ++row) {
    for (int column = range.left; column <= range.right; ++column) {
      const double value = cells[row][column];
      if (!IsEmptyValue(value)) text += FormatText("%.12f", value);
      text += '\t';
    }
    text.back() = '\r';
    text += '\n';
  }
  return text;
}

PasteOutcome PasteText(SheetValues& cells, std::string_view text, CellPosition start, const CellRange* selection) {
  PasteOutcome outcome;
  CellPosition target = start;
  std::string_view::size_type fieldStart = 0;
  bool fieldOpen = false;  // a character has been read since the last tab or line end
  int fieldsInRow = 0;

  const auto storeField = [&](std::string_view::size_type end) {
    ++fieldsInRow;
    const bool inSheet = target.row < kSheetRows && target.column < kSheetColumns;
    if (inSheet && (selection == nullptr || selection->contains(target.row, target.column))) {
      const double value = CellValueFromText(text.substr(fieldStart, end - fieldStart));
      cells[target.row][target.column] = value;
      outcome.written.push_back({target, value});
    }
    fieldOpen = false;
  };
  const auto endRow = [&] {
    if (fieldsInRow == 0) return;
    ++outcome.textRows;
    outcome.textColumns = std::max(outcome.textColumns, fieldsInRow);
    if (target.row >= kSheetRows) ++outcome.rowsCut;
    outcome.columnsCut = std::max(outcome.columnsCut, start.column + fieldsInRow - kSheetColumns);
    fieldsInRow = 0;
  };

  text = text.substr(0, text.find('\0'));
  for (std::string_view::size_type i = 0; i < text.size(); ++i) {
    const char character = text[i];
    if (character == '\t') {
      storeField(i);
      ++target.column;
      fieldStart = i + 1;
    } else if (character == '\r' || character == '\n') {
      storeField(i);
      endRow();
      target = {target.row + 1, start.column};
      if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      fieldStart = i + 1;
    } else {
      fieldOpen = true;
    }
  }
  if (fieldOpen) storeField(text.size());
  endRow();
  return outcome;
}

std::string PasteNotice(const PasteOutcome& outcome) {
  if (outcome.rowsCut == 0 && outcome.columnsCut == 0) return {};
  const auto part = [](int fitted, int all, const char* what) {
    return std::to_string(fitted) + " of " + std::to_string(all) + " " + what;
  };
  return "Pasted " + part(outcome.textRows - outcome.rowsCut, outcome.textRows, "rows") + " and " +
         part(outcome.textColumns - outcome.columnsCut, outcome.textColumns, "columns") + "; the rest did not fit.";
}

}  // namespace rv
