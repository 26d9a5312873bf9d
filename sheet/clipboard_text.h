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

struct PasteOutcome {
  std::vector<PastedCell> written;  // the cells written, in text order
  int textRows = 0;                 // rows the text holds
  int textColumns = 0;              // fields of its widest row
  int rowsCut = 0;                  // rows of the text below the sheet's last row
  int columnsCut = 0;               // fields of the widest row beyond the sheet's last column
};

// Reads clipboard text (UTF-8) into cells starting at `start`. Tabs end
// fields; a line ends at CR LF, a bare LF or a bare CR, and the next line
// starts again in the start column. A last field that no tab or line end
// follows is stored too. Each field is read whole by the rule of a typed
// cell, so a field that is not a number empties its cell and the rest of the
// text is still pasted; only a NUL ends the text. Cells outside the sheet are
// skipped and counted, and cells outside `selection` are skipped when one is
// given.
PasteOutcome PasteText(SheetValues& cells, std::string_view text, CellPosition start, const CellRange* selection);

// What the user is told when part of a paste fell beyond the sheet ("Pasted
// 97 of 99 rows and 17 of 18 columns; the rest did not fit."); empty when
// everything fitted.
std::string PasteNotice(const PasteOutcome& outcome);

}  // namespace rv
