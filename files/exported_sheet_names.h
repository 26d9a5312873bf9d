#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"

namespace rv {

// No line of a sheet the program exports is that long (17 fields of 24
// characters, their separators and the line end take 425 bytes); the bound
// keeps a wrong file from passing for one.
inline constexpr std::size_t kMaxExportedLineBytes = 8192;

// The names line of a sheet as the program exports it (the first line
// neither blank nor a comment) and the column of the sheet each name gives.
struct ExportedColumns {
  int namesLine = 0;
  std::vector<int> roles;
};

// The names must be Y, X1 ... X16 (in either case, in any order, each
// once); the message names the line and the column of the first that is
// not, or says that the text holds no names at all.
Outcome<ExportedColumns> ExportedSheetColumns(std::string_view text, char separator, std::string_view commentMark);

// The message naming the first line longer than kMaxExportedLineBytes;
// nothing when there is none.
std::optional<std::string> ExportedLineTooLong(std::string_view text);

}  // namespace rv
