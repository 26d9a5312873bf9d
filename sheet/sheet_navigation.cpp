#include "sheet/sheet_navigation.h"

namespace rv {

bool MovesCaretInEditMode(NavigationKey key) {
  return key == NavigationKey::Left || key == NavigationKey::Right || key == NavigationKey::Home ||
         key == NavigationKey::End;
}

namespace {

CellPosition EnterTarget(CellPosition from, std::int32_t moveSelectionAfterEnter) {
  switch (static_cast<EnterMove>(moveSelectionAfterEnter)) {
    case EnterMove::Right: return {from.row, from.column + 1};
    case EnterMove::Down: return {from.row + 1, from.column};
    case EnterMove::Left: return {from.row, from.column - 1};
    case EnterMove::Up: return {from.row - 1, from.column};
    case EnterMove::Stay: break;
  }
  return from;
}

}  // namespace

CellPosition NavigationTarget(CellPosition from, NavigationKey key, std::int32_t moveSelectionAfterEnter,
                              int rowCount) {
  CellPosition to = from;
  switch (key) {
    case NavigationKey::Tab:
    case NavigationKey::Right: to.column += 1; break;
    case NavigationKey::Left: to.column -= 1; break;
    case NavigationKey::Home: to.column = 0; break;
    case NavigationKey::End: to.column = kSheetColumns - 1; break;
    case NavigationKey::Up: to.row -= 1; break;
    case NavigationKey::Down: to.row += 1; break;
    case NavigationKey::PageUp: to.row -= kPageRows; break;
    case NavigationKey::PageDown: to.row += kPageRows; break;
    case NavigationKey::Enter: to = EnterTarget(from, moveSelectionAfterEnter); break;
  }
  return ClampToSheet(to, rowCount);
}

}  // namespace rv
