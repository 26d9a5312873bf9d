#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/cell_range.h"
#include "sheet/data_sheet.h"

namespace rv {

// The text Copy puts on the clipboard: for every row of the range, each cell
// as "%.12f\t" or a bare "\t" when empty, the row's last tab replaced by CR LF.
// The text grows with the range; nothing is cut.
std::string CopyText(const SheetValues& cells, const CellRange& range);

struct PastedCell {
  CellPosition cell;
  double value = 0.0;
};

// Reads clipboard text into cells starting at `start`. Tabs end fields; a line
// ends at CR LF, a bare LF or a bare CR, and the next line starts again in the
// start column. A last field that no tab or line end follows is stored too.
// A field keeps at most the 32 characters a cell accepts. The text ends at a
// NUL or at any byte below 9 as a signed char, which includes every byte from
// 0x80 on. Cells outside the sheet are skipped, and so are cells outside
// `selection` when one is given. Returns the cells written, in text order.
std::vector<PastedCell> PasteText(SheetValues& cells, std::string_view text, CellPosition start,
                                  const CellRange* selection);

}  // namespace rv
