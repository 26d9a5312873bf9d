#include "files/delimited_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "files/file_paths.h"
#include "files/regular_file.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

std::string_view Trim(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t' || field.front() == '\r'))
    field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t' || field.back() == '\r'))
    field.remove_suffix(1);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
  return field;
}

std::vector<std::string_view> SplitFields(std::string_view line, char delimiter) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t end = line.find(delimiter, start);
    if (end == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
}

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (c != ' ' && c != '\t' && c != '\r') return false;
  return true;
}

// Y is column 0, Xc is column c; -1 for any other name.
int ColumnOfName(std::string_view name) {
  if (name.size() == 1 && (name[0] == 'Y' || name[0] == 'y')) return 0;
  if (name.size() < 2 || name.size() > 3 || (name[0] != 'X' && name[0] != 'x')) return -1;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  if (name[1] == '0' || number < 1 || number > 16) return -1;
  return number;
}

Message TextError(std::string text) { return {std::move(text), MessageKind::Error}; }

std::string Where(int line, int column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

}  // namespace

Outcome<SheetValues> ParseDelimitedText(std::string_view text, char delimiter) {
  SheetValues values;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  std::vector<std::string_view> lines;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (end - start > kMaxDelimitedLineBytes) {
      return TextError("line " + std::to_string(lines.size() + 1) + ": longer than " +
                       std::to_string(kMaxDelimitedLineBytes) + " bytes; no line of a data sheet is that long");
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }

  size_t headerIndex = 0;
  while (headerIndex < lines.size() && IsBlank(lines[headerIndex])) ++headerIndex;
  if (headerIndex == lines.size()) {
    return TextError("the file is empty: the first line must name the columns (Y, X1 ... X16)");
  }
  const int headerLine = static_cast<int>(headerIndex) + 1;
  const auto names = SplitFields(lines[headerIndex], delimiter);
  if (names.size() > kSheetColumns) {
    return TextError("line " + std::to_string(headerLine) + ": " + std::to_string(names.size()) +
                     " columns, but a sheet has at most 17 (Y and X1 ... X16)");
  }
  std::vector<int> columns;
  std::array<bool, kSheetColumns> used{};
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string_view name = Trim(names[i]);
    const int column = ColumnOfName(name);
    const int position = static_cast<int>(i) + 1;
    if (column < 0) {
      bool numeric = !name.empty();
      char* end = nullptr;
      const std::string copy(name);
      std::strtod(copy.c_str(), &end);
      numeric = numeric && end != nullptr && *end == '\0';
      return TextError(Where(headerLine, position) +
                       (numeric ? "the first line must name the columns (Y, X1 ... X16), found the number "
                                : "unknown column name ") +
                       QuotedText(name) + (numeric ? "" : " (expected Y, X1 ... X16)"));
    }
    if (used[static_cast<size_t>(column)]) {
      return TextError(Where(headerLine, position) + "column " + QuotedText(name) + " is named twice");
    }
    used[static_cast<size_t>(column)] = true;
    columns.push_back(column);
  }

  int row = 0;
  for (size_t index = headerIndex + 1; index < lines.size(); ++index) {
    if (IsBlank(lines[index])) continue;
    const int lineNumber = static_cast<int>(index) + 1;
    if (row == kMaxSheetRows) {
      const auto points = kMaxSheetRows + std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(index), lines.end(),
                                                        [](std::string_view line) { return !IsBlank(line); });
      return TextError("line " + std::to_string(lineNumber) + ": the file holds " + std::to_string(points) +
                       " points, but a sheet holds at most " + std::to_string(kMaxSheetRows));
    }
    const auto fields = SplitFields(lines[index], delimiter);
    if (fields.size() > columns.size()) {
      return TextError(Where(lineNumber, static_cast<int>(columns.size()) + 1) + "the line has " +
                       std::to_string(fields.size()) + " fields, but the first line names " +
                       std::to_string(columns.size()) + " columns");
    }
    for (size_t i = 0; i < fields.size(); ++i) {
      const std::string field(Trim(fields[i]));
      if (field.empty()) continue;
      // strtod would stop at a NUL and read "1\0999" as 1.
      if (field.find('\0') != std::string::npos) {
        return TextError(Where(lineNumber, static_cast<int>(i) + 1) + QuotedText(field) + " holds a NUL byte");
      }
      char* end = nullptr;
      const double value = std::strtod(field.c_str(), &end);
      if (end == field.c_str() || *end != '\0' || !std::isfinite(value)) {
        return TextError(Where(lineNumber, static_cast<int>(i) + 1) + QuotedText(field) + " is not a finite number");
      }
      values.ensureRows(row + 1);
      values[static_cast<size_t>(row)][static_cast<size_t>(columns[i])] = value;
    }
    ++row;
  }
  return values;
}

Outcome<std::string> ReadTextFileBytes(const std::string& path) {
  return ReadBoundedFile(path, kMaxDelimitedFileBytes,
                         "a sheet of " + std::to_string(kMaxSheetRows) + " points needs less");
}

Outcome<SheetValues> ReadDelimitedFile(const std::string& path) {
  const Outcome<std::string> read = ReadTextFileBytes(path);
  if (!read) return read.message();
  Outcome<SheetValues> parsed = ParseDelimitedText(*read, DelimiterForPath(path));
  if (!parsed) return TextError(path + ": " + parsed.message().text);
  return parsed;
}

std::string FormatDelimitedText(const SheetValues& values, char delimiter) {
  int lastColumn = 0, lastRow = -1;
  for (int r = 0; r < values.rowCount(); ++r)
    for (int c = 0; c < kSheetColumns; ++c)
      if (!IsEmptyValue(values[r][c])) {
        lastRow = r;
        if (c > lastColumn) lastColumn = c;
      }
  std::string text;
  for (int c = 0; c <= lastColumn; ++c) {
    if (c > 0) text += delimiter;
    text += DefaultColumnName(c);
  }
  text += '\n';
  for (int r = 0; r <= lastRow; ++r) {
    std::string line;
    for (int c = 0; c <= lastColumn; ++c) {
      if (c > 0) line += delimiter;
      if (!IsEmptyValue(values[r][c])) line += FormatText("%.17g", values[r][c]);
    }
    // A row without values would be a blank line when it has one column or
    // its fields are separated by tabs, and the reader skips blank lines:
    // the rows after it would move up and the empty Y that ends the points
    // would be lost. A quoted empty first field keeps the line.
    if (IsBlank(line)) line.insert(0, "\"\"");
    text += line;
    text += '\n';
  }
  return text;
}

char DelimiterForPath(std::string_view path) {
  if (HasExtension(path, ".csv")) return ',';
  if (HasExtension(path, ".tsv")) return '\t';
  return '\0';
}

}  // namespace rv
