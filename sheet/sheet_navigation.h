#pragma once

#include <cstdint>

#include "sheet/cell_range.h"

namespace rv {

enum class NavigationKey { Tab, Enter, Left, Right, Home, End, Up, Down, PageUp, PageDown };

// Move Selection After Enter: where Enter takes the current cell.
enum class EnterMove : std::int32_t { Stay = 0, Right = 1, Down = 2, Left = 3, Up = 4 };

inline constexpr int kPageRows = 8;

// Left, Right, Home and End move the caret while the user edits inside the
// text; every other navigation key moves the current cell and ends editing.
bool MovesCaretInEditMode(NavigationKey key);

// The cell a navigation key leads to. Moves stop at the edges of a sheet of
// rowCount rows and never wrap to another row. An Enter setting outside 0 to
// 4 stays.
CellPosition NavigationTarget(CellPosition from, NavigationKey key, std::int32_t moveSelectionAfterEnter,
                              int rowCount = kSheetRows);

}  // namespace rv
