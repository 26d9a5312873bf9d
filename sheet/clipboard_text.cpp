#include "sheet/clipboard_text.h"

#include <algorithm>

#include "sheet/field_number.h"
#include "sheet/missing_values.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"
#include "sheet/variable_name.h"

namespace rv {

namespace {

using Line = std::vector<std::string_view>;

constexpr size_t kLinesLookedAt = 1000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A line of text without tabs, as a text editor or a terminal gives
// numbers: runs of blanks separate its fields.
Line SplitAtBlanks(std::string_view text) {
  Line fields;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) fields.push_back(text.substr(start, i - start));
  }
  return fields;
}

std::vector<Line> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const bool tabs = text.find('\t') != std::string_view::npos;
  std::vector<Line> lines;
  Line line;
  std::string_view::size_type fieldStart = 0;
  const auto endField = [&](std::string_view::size_type end) {
    const std::string_view field = text.substr(fieldStart, end - fieldStart);
    if (tabs) {
      line.push_back(field);
    } else {
      const Line fields = SplitAtBlanks(field);
      line.insert(line.end(), fields.begin(), fields.end());
      if (fields.empty()) line.push_back(field);
    }
  };
  for (std::string_view::size_type i = 0; i < text.size(); ++i) {
    const char character = text[i];
    if (character == '\t') {
      endField(i);
      fieldStart = i + 1;
    } else if (character == '\r' || character == '\n') {
      endField(i);
      lines.push_back(std::move(line));
      line.clear();
      if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      fieldStart = i + 1;
    }
  }
  if (fieldStart < text.size()) endField(text.size());
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

bool IsHeading(const Line& line) {
  bool text = false;
  for (std::string_view field : line) {
    if (IsNumberInAnyFormat(field)) return false;
    text = text || !TrimField(field).empty();
  }
  return text;
}

// The lines of values: those after the first lines of text only.
size_t FirstValueLine(const std::vector<Line>& lines) {
  size_t first = 0;
  while (first < lines.size() && IsHeading(lines[first])) ++first;
  return first;
}

NumberFormatGuess GuessOfLines(const std::vector<Line>& lines) {
  std::vector<std::string_view> fields;
  const size_t first = FirstValueLine(lines);
  for (size_t l = first; l < lines.size() && l < first + kLinesLookedAt; ++l)
    fields.insert(fields.end(), lines[l].begin(), lines[l].end());
  return GuessNumberFormat(fields, false);
}

PasteOutcome Refused(std::string error) {
  PasteOutcome refused;
  refused.error = std::move(error);
  return refused;
}

std::string Place(CellPosition target) {
  return "row " + std::to_string(target.row + 1) + ", column " + DefaultColumnName(target.column);
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

NumberFormatGuess PasteNumberFormat(std::string_view text) { return GuessOfLines(SplitLines(text)); }

std::optional<PasteHeadingLines> PasteHeadings(std::string_view text) {
  const std::vector<Line> lines = SplitLines(text);
  if (lines.empty() || !IsHeading(lines.front())) return std::nullopt;
  PasteHeadingLines headings{{lines.front().begin(), lines.front().end()}, 1};
  while (headings.lines < static_cast<int>(lines.size()) && IsHeading(lines[static_cast<size_t>(headings.lines)]))
    ++headings.lines;
  return headings;
}

PasteOutcome PasteText(SheetValues& cells, std::string_view text, CellPosition start, const CellRange* selection,
                       PasteHeading heading, std::optional<NumberFormat> format) {
  PasteOutcome outcome;
  const std::vector<Line> lines = SplitLines(text);
  const bool headed = heading != PasteHeading::None && !lines.empty() && IsHeading(lines.front());
  const size_t first = headed ? FirstValueLine(lines) : 0;
  if (headed && heading == PasteHeading::Names)
    for (size_t i = 0; i < lines.front().size(); ++i)
      if (start.column + static_cast<int>(i) < kSheetColumns)
        outcome.names.push_back({start.column + static_cast<int>(i), VariableNameFromText(lines.front()[i])});
  const NumberFormatGuess guess = GuessOfLines(lines);
  const std::vector<std::string> markers = DefaultMissingMarkers();

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
      const std::string_view field = TrimField(lines[l][static_cast<size_t>(i)]);
      if (!format && !guess.undecided.empty() && field == guess.undecided)
        return Refused("Nothing was pasted: " + QuotedText(field) + " for " + Place(target) + " may be " +
                       ExactValueText(*ReadFieldNumber(field, guess.format)) + " or " +
                       ExactValueText(*ReadFieldNumber(field, guess.other)) + ".");
      std::optional<double> value = EmptyValue;
      if (!IsMissingField(field, markers)) value = ReadFieldNumber(field, format.value_or(guess.format));
      if (!value)
        return Refused("Nothing was pasted: " + QuotedText(field) + " for " + Place(target) + " is not a number.");
      outcome.written.push_back({target, *value});
      lastRow = target.row;
    }
    ++outcome.textRows;
    outcome.textColumns = std::max(outcome.textColumns, fields);
    outcome.columnsCut = std::max(outcome.columnsCut, start.column + fields - kSheetColumns);
  }
  if (rowsPast > 0)
    return Refused("Nothing was pasted: " + std::to_string(rowsPast) + (rowsPast == 1 ? " row" : " rows") +
                   " of the text would go past row " + std::to_string(kMaxSheetRows) + ", and a sheet holds at most " +
                   std::to_string(kMaxSheetRows) + " rows.");
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
