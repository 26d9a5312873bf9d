#include "sheet/clipboard_text.h"

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

namespace {

bool EndsText(char character) { return static_cast<signed char>(character) < 9; }

}  // namespace

std::vector<PastedCell> PasteText(SheetValues& cells, std::string_view text, CellPosition start,
                                  const CellRange* selection) {
  std::vector<PastedCell> written;
  CellPosition target = start;
  std::string field;
  bool fieldOpen = false;  // a character has been read since the last tab or line end

  const auto storeField = [&] {
    const bool inSheet = target.row < kSheetRows && target.column < kSheetColumns;
    if (inSheet && (selection == nullptr || selection->contains(target.row, target.column))) {
      const double value = CellValueFromText(field);
      cells[target.row][target.column] = value;
      written.push_back({target, value});
    }
    field.clear();
    fieldOpen = false;
  };

  for (size_t i = 0; i < text.size() && !EndsText(text[i]); ++i) {
    const char character = text[i];
    if (character == '\t') {
      storeField();
      ++target.column;
    } else if (character == '\r' || character == '\n') {
      storeField();
      target = {target.row + 1, start.column};
      if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      fieldOpen = true;
      if (field.size() < static_cast<size_t>(kMaxCellTextLength)) field += character;
    }
  }
  if (fieldOpen) storeField();
  return written;
}

}  // namespace rv
