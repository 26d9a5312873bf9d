#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sheet/empty_value.h"

namespace rv {

inline constexpr int kSheetRows = 99;
inline constexpr int kSheetColumns = 17;    // column 0 is Y, column c is Xc
inline constexpr int kColumnSlots = 18;     // per-column arrays keep one spare slot
inline constexpr int kDefaultColumnWidth = 80;
inline constexpr int kMaxColumnWidth = 4096;  // pixels; a data file keeps widths of 1 to this
inline constexpr int kMaxNameLength = 8;
inline constexpr int kMaxDecimalPlaces = 12;

enum class FormatKind : std::uint32_t { General = 0, Number = 1, Scientific = 2 };

struct ColumnFormat {
  FormatKind kind = FormatKind::General;
  std::uint32_t places = 2;
  friend bool operator==(const ColumnFormat&, const ColumnFormat&) = default;
};

using SheetValues = std::array<std::array<double, kSheetColumns>, kSheetRows>;

struct DataSheet;

// Every cell empty; names, formats, graph values and widths back to their defaults.
void ClearDataSheet(DataSheet& sheet);

// The table of observations with everything kept beside the values.
struct DataSheet {
  SheetValues cells;
  std::array<std::string, kColumnSlots> names;
  std::array<ColumnFormat, kColumnSlots> formats;
  std::array<double, kColumnSlots> graphMinimum;
  std::array<double, kColumnSlots> graphMaximum;
  std::array<double, kColumnSlots> graphConstant;
  // Boundary 0 is -1 and boundary c+1 is boundary c plus the width of column c.
  std::array<std::int32_t, kColumnSlots> columnBoundaries;
  bool autoUpdate = true;

  DataSheet() { ClearDataSheet(*this); }

  double& cell(int row, int column) { return cells[row][column]; }
  double cell(int row, int column) const { return cells[row][column]; }

  int columnWidth(int column) const { return columnBoundaries[column + 1] - columnBoundaries[column]; }
};

std::string DefaultColumnName(int column);

// Moves every later column boundary by the change of width.
void SetColumnWidth(DataSheet& sheet, int column, int width);

}  // namespace rv
