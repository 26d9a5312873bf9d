#include "files/delimited_text.h"

#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/text_encoding.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

Message TextError(std::string text) { return {std::move(text), MessageKind::Error}; }

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (c != ' ' && c != '\t' && c != '\r') return false;
  return true;
}

}  // namespace

Outcome<SheetValues> ParseDelimitedText(std::string_view text, char delimiter) {
  TextImport read = ImportText(text, ExportedSheetOptions(delimiter));
  if (!read.error.empty()) return TextError(read.error);
  return std::move(read.values);
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
