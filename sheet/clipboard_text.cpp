#include "sheet/clipboard_text.h"

#include <algorithm>

#include "sheet/field_number.h"
#include "sheet/quoted_text.h"
#include "sheet/variable_name.h"

namespace rv {

namespace {

using Line = std::vector<std::string_view>;

std::vector<Line> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<Line> lines;
  Line line;
  std::string_view::size_type fieldStart = 0;
  for (std::string_view::size_type i = 0; i < text.size(); ++i) {
    const char character = text[i];
    if (character == '\t') {
      line.push_back(text.substr(fieldStart, i - fieldStart));
      fieldStart = i + 1;
    } else if (character == '\r' || character == '\n') {
      line.push_back(text.substr(fieldStart, i - fieldStart));
      lines.push_back(std::move(line));
      line.clear();
      if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      fieldStart = i + 1;
    }
  }
  if (fieldStart < text.size()) line.push_back(text.substr(fieldStart));
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

bool IsHeading(const Line& line) {
  bool text = false;
  for (std::string_view field : line) {
    if (ReadFieldNumber(field, false) || ReadFieldNumber(field, true)) return false;
    text = text || !TrimField(field).empty();
  }
  return text;
}

// Spreadsheets of a decimal-comma locale copy 0,6343: read so when the
// numbers have a comma and none a point.
bool UsesDecimalComma(const std::vector<Line>& lines, size_t first) {
  bool comma = false;
  for (size_t l = first; l < lines.size(); ++l)
    for (std::string_view field : lines[l]) {
      if (field.find('.') != std::string_view::npos) return false;
      if (field.find(',') == std::string_view::npos) continue;
      if (!ReadFieldNumber(field, true)) return false;
      comma = true;
    }
  return comma;
}

}  // namespace

std::string CopyText(const SheetValues& cells, const CellRange& range) {
  std::string text;
  text.reserve(static_cast<size_t>(range.rowCount()) * range.columnCount() * 20);
  for (int row = range.top; row <= range.bottom; ++row) {
    for (int column = range.left; column <= range.right; ++column) {
      const double value = cells.at(row, column);
      if (!IsEmptyValue(value)) text += CopiedNumberText(value);
      text += '\t';
    }
    text.back() = '\r';
    text += '\n';
  }
  return text;
}

std::optional<PasteHeadingLines> PasteHeadings(std::string_view text) {
  const std::vector<Line> lines = SplitLines(text);
  if (lines.empty() || !IsHeading(lines.front())) return std::nullopt;
  PasteHeadingLines headings{{lines.front().begin(), lines.front().end()}, 1};
  while (headings.lines < static_cast<int>(lines.size()) && IsHeading(lines[static_cast<size_t>(headings.lines)]))
    ++headings.lines;
  return headings;
}

PasteOutcome PasteText(SheetValues& cells, std::string_view text, CellPosition start, const CellRange* selection,
                       PasteHeading heading) {
  PasteOutcome outcome;
  const std::vector<Line> lines = SplitLines(text);
  const bool headed = heading != PasteHeading::None && !lines.empty() && IsHeading(lines.front());
  size_t first = headed ? 1 : 0;
  while (headed && first < lines.size() && IsHeading(lines[first])) ++first;
  if (headed && heading == PasteHeading::Names)
    for (size_t i = 0; i < lines.front().size(); ++i)
      if (start.column + static_cast<int>(i) < kSheetColumns)
        outcome.names.push_back({start.column + static_cast<int>(i), VariableNameFromText(lines.front()[i])});
  const bool decimalComma = UsesDecimalComma(lines, first);

  int rowsPast = 0;  // rows of the text with a cell to write past the sheet's largest size
  int lastRow = -1;
  for (size_t l = first; l < lines.size(); ++l) {
    const int row = start.row + static_cast<int>(l - first);
    const int fields = static_cast<int>(lines[l].size());
    for (int i = 0; i < fields; ++i) {
      const CellPosition target{row, start.column + i};
      if (target.column >= kSheetColumns) continue;
      if (selection != nullptr && !selection->contains(target.row, target.column)) continue;
      if (target.row >= kMaxSheetRows) {
        ++rowsPast;
        break;
      }
      const std::string_view field = lines[l][static_cast<size_t>(i)];
      std::optional<double> value = EmptyValue;
      if (!TrimField(field).empty()) value = ReadFieldNumber(field, decimalComma);
      if (!value) {
        PasteOutcome refused;
        refused.error = "Nothing was pasted: " + QuotedText(TrimField(field)) + " for row " +
                        std::to_string(target.row + 1) + ", column " + DefaultColumnName(target.column) +
                        " is not a number.";
        return refused;
      }
      outcome.written.push_back({target, *value});
      lastRow = target.row;
    }
    ++outcome.textRows;
    outcome.textColumns = std::max(outcome.textColumns, fields);
    outcome.columnsCut = std::max(outcome.columnsCut, start.column + fields - kSheetColumns);
  }
  if (rowsPast > 0) {
    PasteOutcome refused;
    refused.error = "Nothing was pasted: " + std::to_string(rowsPast) + (rowsPast == 1 ? " row" : " rows") +
                    " of the text would go past row " + std::to_string(kMaxSheetRows) + ", and a sheet holds at most " +
                    std::to_string(kMaxSheetRows) + " rows.";
    return refused;
  }
  cells.ensureRows(lastRow + 1);
  for (const PastedCell& pasted : outcome.written) cells[pasted.cell.row][pasted.cell.column] = pasted.value;
  return outcome;
}

std::string PasteNotice(const PasteOutcome& outcome) {
  if (outcome.columnsCut == 0) return {};
  const auto part = [](int fitted, int all, const char* what) {
    return std::to_string(fitted) + " of " + std::to_string(all) + " " + what;
  };
  return "Pasted " + part(outcome.textRows, outcome.textRows, "rows") + " and " +
         part(outcome.textColumns - outcome.columnsCut, outcome.textColumns, "columns") + "; the rest did not fit.";
}

}  // namespace rv
