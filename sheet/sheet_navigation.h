#pragma once

#include <cstdint>

#include "sheet/cell_range.h"

namespace rv {

// SheetStart and SheetEnd are Ctrl+Home and Ctrl+End.
enum class NavigationKey { Tab, Enter, Left, Right, Home, End, Up, Down, PageUp, PageDown, SheetStart, SheetEnd };

// Move Selection After Enter: where Enter takes the current cell.
enum class EnterMove : std::int32_t { Stay = 0, Right = 1, Down = 2, Left = 3, Up = 4 };

inline constexpr int kPageRows = 8;

// Left, Right, Home and End move the caret while the user edits inside the
// text; every other navigation key moves the current cell and ends editing.
bool MovesCaretInEditMode(NavigationKey key);

// The cell a navigation key leads to. Moves stop at the edges of the sheet's
// rows and never wrap to another row. An Enter setting outside 0 to 4 stays.
// SheetStart leads to the first cell, SheetEnd to the last row with data (the
// first row of an empty sheet) in the same column.
CellPosition NavigationTarget(const SheetValues& cells, CellPosition from, NavigationKey key,
                              std::int32_t moveSelectionAfterEnter);

// Down, or Enter moving down, from the sheet's last row: the sheet takes one
// more empty row so that typing a long sheet by hand goes on, up to
// kMaxSheetRows rows.
bool MovesPastLastRow(const SheetValues& cells, CellPosition from, NavigationKey key,
                      std::int32_t moveSelectionAfterEnter);

}  // namespace rv
