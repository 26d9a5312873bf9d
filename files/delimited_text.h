#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "files/text_import.h"
#include "sheet/data_sheet.h"

namespace rv {

// A full sheet of 100,000 points as the program exports it needs at most
// 42.4 MB (17 fields of 24 characters and their separators a line); this
// bound is beyond any valid file and keeps a wrong file from exhausting
// memory.
inline constexpr std::size_t kMaxDelimitedFileBytes = std::size_t{64} << 20;

// A data sheet read from comma- or tab-separated text as the program exports
// it: the import reader's strict reading (ExportedSheetOptions), so the
// first line names the columns (Y, X1 ... X16, in any order), every further
// line is one point, an empty field or a missing marker is an empty cell; up
// to kMaxSheetRows points. The message names the line and the column of the
// first problem.
Outcome<SheetValues> ParseDelimitedText(std::string_view text, char delimiter);

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
