#include "files/delimited_text.h"

#include <algorithm>
#include <array>
#include <vector>

#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/text_encoding.h"
#include "files/text_fields.h"
#include "files/text_lines.h"
#include "sheet/field_number.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

// Y is column 0, Xc is column c, in either case; -1 for any other name.
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

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (c != ' ' && c != '\t' && c != '\r') return false;
  return true;
}

// No line of a sheet the program exports is that long: the first that is
// is named.
std::optional<Message> LongLine(std::string_view text) {
  TextLines lines(text);
  for (TextLine line; lines.next(line);)
    if (line.text.size() > kMaxDelimitedLineBytes)
      return TextError("line " + std::to_string(line.number) + ": longer than " +
                       std::to_string(kMaxDelimitedLineBytes) + " bytes; no line of a data sheet is that long");
  return std::nullopt;
}

}  // namespace

Outcome<DelimitedColumns> DelimitedTextColumns(std::string_view text, char delimiter) {
  TextLines lines(text);
  std::optional<TextLine> line;
  for (TextLine each; !line && lines.next(each);)
    if (!IsBlankLine(each.text) && !IsCommentLine(each.text, {})) line = each;
  if (!line) return TextError("the file is empty: the first line must name the columns (Y, X1 ... X16)");
  const std::vector<std::string> names = SplitFields(line->text, delimiter);
  if (names.size() > kSheetColumns)
    return TextError("line " + std::to_string(line->number) + ": " + std::to_string(names.size()) +
                     " columns, but a sheet has at most 17 (Y and X1 ... X16)");
  DelimitedColumns columns{line->number, {}};
  std::array<bool, kSheetColumns> used{};
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string_view name = TrimField(names[i]);
    const int column = ColumnOfName(name);
    const std::string where = Where(line->number, static_cast<int>(i) + 1);
    if (column < 0 && IsNumberInAnyFormat(name))
      return TextError(where + "the first line must name the columns (Y, X1 ... X16), found the number " +
                       QuotedText(name));
    if (column < 0) return TextError(where + "unknown column name " + QuotedText(name) + " (expected Y, X1 ... X16)");
    if (used[static_cast<size_t>(column)]) return TextError(where + "column " + QuotedText(name) + " is named twice");
    used[static_cast<size_t>(column)] = true;
    columns.roles.push_back(column);
  }
  return columns;
}

TextImportOptions DelimitedTextOptions(char delimiter, const DelimitedColumns& columns) {
  TextImportOptions options;
  options.separator = delimiter;
  options.namesLine = columns.namesLine;
  options.roles = columns.roles;
  return options;
}

Outcome<TextImport> ReadDelimitedText(std::string_view text, char delimiter) {
  if (std::optional<Message> tooLong = LongLine(text)) return *tooLong;
  const Outcome<DelimitedColumns> columns = DelimitedTextColumns(text, delimiter);
  if (!columns) return columns.message();
  TextImport read = ImportText(text, DelimitedTextOptions(delimiter, *columns));
  const auto named = static_cast<int>(columns->roles.size());
  if (read.columnCount > named)
    return TextError(Where(read.widestLine, named + 1) + "the line has " + std::to_string(read.columnCount) +
                     " fields, but the first line names " + std::to_string(named) + " columns");
  if (!read.error.empty()) return TextError(read.error);
  return read;
}

Outcome<SheetValues> ParseDelimitedText(std::string_view text, char delimiter) {
  Outcome<TextImport> read = ReadDelimitedText(text, delimiter);
  if (!read) return read.message();
  return std::move(read->values);
}

Outcome<std::string> ReadTextFileBytes(const std::string& path) {
  return ReadBoundedFile(path, kMaxDelimitedFileBytes,
                         "a sheet of " + std::to_string(kMaxSheetRows) + " points needs less");
}

Outcome<SheetValues> ReadDelimitedFile(const std::string& path) {
  Outcome<std::string> read = ReadTextFileBytes(path);
  if (!read) return read.message();
  const TextEncoding encoding = DetectTextEncoding(*read);
  const std::string text = TakeDecodedText(std::move(*read), encoding);
  Outcome<SheetValues> parsed = ParseDelimitedText(text, DelimiterForPath(path));
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
