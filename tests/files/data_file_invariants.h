#pragma once

#include <cmath>
#include <string>

#include "files/data_file_format.h"
#include "files/file_text.h"

namespace rv::testing {

// What every document read from a data file must satisfy, whatever the file
// held: each field within the range the program writes, and the document
// writing back to a file that reads as itself. Returns the first violation,
// or an empty text. Shared by the corpus test and the reader's fuzz target.
inline std::string DataFileInvariantViolation(const DataFileContents& contents) {
  const Document& document = contents.document;
  const DataSheet& sheet = document.sheet;
  const DocumentOptions& options = document.options;
  const DataFileSession& session = contents.session;
  const auto characters = [](const std::string& text) { return Utf8ToWindows1252(text).size(); };
  const auto storable = [](double value) { return std::isfinite(value); };

  for (const auto& row : sheet.cells)
    for (double value : row)
      if (!storable(value)) return "a cell is not finite";
  for (int c = 0; c < kColumnSlots; ++c) {
    if (characters(sheet.names[c]) > kMaxNameLength || sheet.names[c].find('\0') != std::string::npos)
      return "name " + std::to_string(c) + " does not fit";
    if (static_cast<std::uint32_t>(sheet.formats[c].kind) > 2 || sheet.formats[c].places > kMaxDecimalPlaces)
      return "format " + std::to_string(c) + " out of range";
    if (!storable(sheet.graphMinimum[c]) || !storable(sheet.graphMaximum[c]) || !storable(sheet.graphConstant[c]))
      return "graph value " + std::to_string(c) + " is not finite";
  }
  if (sheet.columnBoundaries[0] != -1) return "boundary 0 is not -1";
  for (int c = 0; c + 1 < kColumnSlots; ++c)
    if (sheet.columnWidth(c) < 1 || sheet.columnWidth(c) > 4096) return "width " + std::to_string(c) + " out of range";

  if (options.maxTerms < kMinMaxTerms || options.maxTerms > kMaxMaxTerms) return "Maximum Terms out of range";
  for (std::int32_t segments : options.segments)
    if (segments < 1 || segments > 50) return "segments out of range";
  if (options.colorRow < 0 || options.colorRow > 16) return "colour row out of range";
  for (std::int32_t color : options.graphColors)
    if (color < 0 || color > 16) return "colour out of range";
  if (options.graphColors[kBackground] == kNoColor) return "background without colour";
  if (options.moveSelectionAfterEnter < 0 || options.moveSelectionAfterEnter > 4) return "Move Selection out of range";
  if (characters(options.title1) > kMaxTitleLength || characters(options.title2) > kMaxTitleLength)
    return "title too long";
  if (document.pointCount < 0 || document.pointCount > sheet.cells.rowCount()) return "N out of range";
  if (document.columnCount < 0 || document.columnCount > 16) return "K out of range";

  const EquationRecord& record = session.savedEquation;
  if (record.ordinal < 0) return "negative ordinal";
  if (record.ordinal == 0 && (session.selectedIndex != -1 || !record.text.empty())) return "selected empty record";
  if (record.ordinal > 0 && !(std::isfinite(record.rSquared) && record.rSquared > 0.0)) return "bad R squared";
  if (record.ordinal > 0 && record.ordinalText != std::to_string(record.ordinal)) return "ordinal text not rebuilt";
  if (characters(record.text) > 127) return "equation text too long";
  if (session.selectedIndex < -1 || session.selectedIndex > 999) return "selected index out of range";
  if (session.graphedIndex < -2 || session.graphedIndex > 999) return "graphed index out of range";
  if (session.graphVariables.size() > 16) return "too many graph variables";
  for (const GraphVariableEntry& entry : session.graphVariables)
    if (entry.text.empty() || entry.text[0] != '\t' || characters(entry.text) > 15) return "bad graph variable";

  const DataFileBytes once = EncodeDataFile(document, session);
  const auto again = DecodeDataFile(once);
  if (!again) return "the written file does not read";
  if (EncodeDataFile(again->document, again->session) != once) return "the written file reads differently";
  return {};
}

}  // namespace rv::testing
