#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "base/print_settings.h"
#include "sheet/document.h"

namespace rv::testing {

// A document whose sheet holds the given rows (Y first, then X1, …) and
// nothing else.
inline Document DocumentWithRows(const std::vector<std::vector<double>>& rows) {
  Document document;
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      document.sheet.cell(static_cast<int>(r), static_cast<int>(c)) = rows[r][c];
  return document;
}

// A sheet of rowCount rows in every one of the first columnCount columns;
// cell (r, c) holds r + c / 100.
inline Document FilledDocument(int rowCount, int columnCount) {
  Document document;
  for (int r = 0; r < rowCount; ++r)
    for (int c = 0; c < columnCount; ++c) document.sheet.cell(r, c) = r + c / 100.0;
  return document;
}

inline PrintSettings Settings(int fontSize = 12, bool landscape = false) {
  PrintSettings settings;
  settings.printer = "Office";
  settings.fontSize = fontSize;
  settings.landscape = landscape;
  return settings;
}

}  // namespace rv::testing
