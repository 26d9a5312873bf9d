#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/data_sheet.h"

namespace rv {

// A column of the text left out of the sheet.
inline constexpr int kLeftOutColumn = -1;

// How a text of measurements, as instruments and spreadsheets write it, is
// read into a sheet.
struct TextImportOptions {
  char separator = ',';       // ',', ';', '\t', or ' ' (a run of blanks)
  bool decimalComma = false;  // 0,6343 rather than 0.6343
  // The first line that is not blank holds the columns' names.
  bool namesLine = true;
  // Lines left out below the names (units, say), or from the top without
  // names. Blank lines are left out anyway and not counted.
  int skipLines = 0;
  // Per column of the text: 0 Y, c for Xc, or kLeftOutColumn; columns beyond
  // the list are left out. Empty: the columns go where names Y, X1 ... X16 say
  // when every name is one of them, else the first is Y and the others X1,
  // X2, ... in order.
  std::vector<int> roles;
  // Rows with an empty field among the chosen columns are left out.
  bool dropIncomplete = false;
  // More rows than maxRows are refused with their count, or, with this, the
  // first maxRows kept.
  bool keepFirstRows = false;
  int maxRows = kMaxSheetRows;
};

struct TextImport {
  // Empty when the text was read; else what is wrong and where (line and
  // column of the text), and nothing else below is to be used.
  std::string error;
  std::vector<std::string> headings;  // the names line's fields; empty without one
  std::vector<int> roles;             // the role of every column of the text as read
  int columnCount = 0;                // fields of the widest line
  SheetValues values;                 // the rows read (at least kSheetRows), the rest empty
  // The names the chosen columns give their variables (cut to
  // kMaxNameLength characters); empty where the column keeps its own.
  std::array<std::string, kSheetColumns> names;
  int namesCut = 0;        // names longer than a variable's name may be
  int rowsRead = 0;        // rows in values
  int rowsIncomplete = 0;  // rows with an empty field among the chosen columns
  int rowsDropped = 0;     // of those, left out
  int rowsBeyond = 0;      // rows beyond maxRows left out
  int rowsInText = 0;      // data rows the text holds
  // The first lines of data as the text splits them, for a preview.
  std::vector<std::vector<std::string>> firstRows;
};

// The separator, decimal sign, names line and units lines the text most
// likely has: the separator that splits its lines into the same number of
// fields, a decimal comma when its numbers have commas and no points, names
// when the first line holds text, and as many lines to skip below it as
// hold text only. With a separator given, the rest is found for it. Rows
// with an empty cell are dropped, unless the names are Y, X1 ... as the
// program exports a sheet, where an empty cell is one on purpose.
TextImportOptions DetectTextImportOptions(std::string_view text, std::optional<char> separator = std::nullopt);

// Reads the text by the options. Every chosen field must be empty or a
// finite number (ReadFieldNumber); the first that is not is the error.
TextImport ImportText(std::string_view text, const TextImportOptions& options, int previewRows = 0);

// The role's name: "Y", "X1" ... "X16", or "left out".
std::string RoleName(int role);

}  // namespace rv
