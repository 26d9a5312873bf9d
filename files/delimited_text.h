#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "files/text_import.h"
#include "sheet/data_sheet.h"

namespace rv {

// A full sheet of 100,000 points as the program exports it needs at most
// 42.4 MB (17 fields of 24 characters and their separators a line); these
// bounds are beyond any valid file and keep a wrong file from exhausting
// memory.
inline constexpr std::size_t kMaxDelimitedFileBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxDelimitedLineBytes = 8192;

// A data sheet read from comma- or tab-separated text as the program exports
// it: the first line names the columns (Y, X1 ... X16, in any order), every
// further line is one point, an empty field or a missing marker is an empty
// cell; up to kMaxSheetRows points. It is the import reader with the options
// DelimitedTextOptions gives, so every number reads as it does there. The
// message names the line and the column of the first problem.
Outcome<SheetValues> ParseDelimitedText(std::string_view text, char delimiter);

// The same, with all the reading tells beyond the values.
Outcome<TextImport> ReadDelimitedText(std::string_view text, char delimiter);

// The names line of such a text (the first neither blank nor a comment) and
// the column of the sheet each name gives; the message says what is wrong
// with the names.
struct DelimitedColumns {
  int namesLine = 0;
  std::vector<int> roles;
};
Outcome<DelimitedColumns> DelimitedTextColumns(std::string_view text, char delimiter);

// The import reader's options for such a text: the delimiter, the names
// line, the columns where their names say, every row kept.
TextImportOptions DelimitedTextOptions(char delimiter, const DelimitedColumns& columns);

// The bytes of a text file of measurements: only a regular file of at most
// kMaxDelimitedFileBytes. The message names the file when it cannot be read.
Outcome<std::string> ReadTextFileBytes(const std::string& path);

// Reads a .csv or .tsv file: only a regular file of at most
// kMaxDelimitedFileBytes, decoded (DetectTextEncoding) and parsed by
// ParseDelimitedText with the delimiter its extension names. The message
// names the file.
Outcome<SheetValues> ReadDelimitedFile(const std::string& path);

// The columns up to the last one holding a value and the rows up to the last
// one holding a value, each number written so that it reads back exactly.
std::string FormatDelimitedText(const SheetValues& values, char delimiter);

// ',' for a .csv path, '\t' for a .tsv path, '\0' for anything else.
char DelimiterForPath(std::string_view path);

}  // namespace rv
