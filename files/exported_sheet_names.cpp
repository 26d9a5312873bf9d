#include "files/exported_sheet_names.h"

#include <array>

#include "files/text_fields.h"
#include "files/text_lines.h"
#include "sheet/data_sheet.h"
#include "sheet/field_number.h"
#include "sheet/quoted_text.h"

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

Message NamesError(std::string text) { return {std::move(text), MessageKind::Error}; }

std::string Where(int line, int column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

}  // namespace

Outcome<ExportedColumns> ExportedSheetColumns(std::string_view text, char separator, std::string_view commentMark) {
  TextLines lines(text);
  std::optional<TextLine> line;
  for (TextLine each; !line && lines.next(each);)
    if (!IsBlankLine(each.text) && !IsCommentLine(each.text, commentMark)) line = each;
  if (!line) return NamesError("the file is empty: the first line must name the columns (Y, X1 ... X16)");
  const std::vector<std::string> names = SplitFields(line->text, separator);
  if (names.size() > kSheetColumns)
    return NamesError("line " + std::to_string(line->number) + ": " + std::to_string(names.size()) +
                      " columns, but a sheet has at most 17 (Y and X1 ... X16)");
  ExportedColumns columns{line->number, {}};
  std::array<bool, kSheetColumns> used{};
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string_view name = TrimField(names[i]);
    const int column = ColumnOfName(name);
    const std::string where = Where(line->number, static_cast<int>(i) + 1);
    if (column < 0 && IsNumberInAnyFormat(name))
      return NamesError(where + "the first line must name the columns (Y, X1 ... X16), found the number " +
                        QuotedText(name));
    if (column < 0) return NamesError(where + "unknown column name " + QuotedText(name) + " (expected Y, X1 ... X16)");
    if (used[static_cast<size_t>(column)]) return NamesError(where + "column " + QuotedText(name) + " is named twice");
    used[static_cast<size_t>(column)] = true;
    columns.roles.push_back(column);
  }
  return columns;
}

std::optional<std::string> ExportedLineTooLong(std::string_view text) {
  TextLines lines(text);
  for (TextLine line; lines.next(line);)
    if (line.text.size() > kMaxExportedLineBytes)
      return "line " + std::to_string(line.number) + ": longer than " + std::to_string(kMaxExportedLineBytes) +
             " bytes; no line of a data sheet is that long";
  return std::nullopt;
}

}  // namespace rv
