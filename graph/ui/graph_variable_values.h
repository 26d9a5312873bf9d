#pragma once

#include <array>
#include <string>

#include "sheet/data_sheet.h"

namespace rv {

// What the Variables dialog edits: the seventeen names, the graph minimum,
// maximum and constant of X1 to X16 (slot 0, Y, unused) and Auto Update.
struct GraphVariableValues {
  std::array<std::string, kSheetColumns> names;
  std::array<double, kSheetColumns> minimum{};
  std::array<double, kSheetColumns> maximum{};
  std::array<double, kSheetColumns> constant{};
  bool autoUpdate = true;
};

// Stores the values into the sheet; a name longer than 8 characters keeps
// its first 8.
void StoreGraphVariableValues(DataSheet& sheet, const GraphVariableValues& values);

}  // namespace rv
