#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/cell_range.h"
#include "sheet/data_sheet.h"
#include "sheet/number_format_guess.h"

namespace rv {

// The text Copy puts on the clipboard: for every row of the range, each cell
// as its CopiedNumberText and a tab, or a bare tab when empty, the row's
// last tab replaced by CR LF. Paste reads every value back bit for bit. The
// text grows with the range; nothing is cut.
std::string CopyText(const SheetValues& cells, const CellRange& range);

// What becomes of a first line of names (PasteHeadings): nothing (it is read
// as values, and refused), the variables' names, or skipped. Either way the
// lines of text only below it (units, say) are skipped with it.
enum class PasteHeading { None, Names, Skip };

struct PastedCell {
  CellPosition cell;
  double value = 0.0;
};

struct PastedName {
  int column = 0;
  std::string name;
};

// More than an outcome: a paste that went in says what it wrote, what
// names it took and how much of the text did not fit.
struct PasteOutcome {
  // Not empty when a field is no number: nothing was written, and this says
  // which field, where.
  std::string error;
  std::vector<PastedCell> written;  // the cells written, in text order
  std::vector<PastedName> names;    // the names of a first line used as names
  int textRows = 0;                 // rows of values the text holds
  int textColumns = 0;              // fields of its widest row
  int columnsCut = 0;               // fields of the widest row beyond the sheet's last column
};

// The text's first lines when they hold text, not values: no field reads as
// a number and one at least is not empty. The first gives the names.
struct PasteHeadingLines {
  std::vector<std::string> names;
  int lines = 0;  // the first and those of text only below it
};
std::optional<PasteHeadingLines> PasteHeadings(std::string_view text);

// How the numbers of clipboard text are written, as its lines of values
// show it (GuessNumberFormat); when the guess is undecided, the user is
// asked and the answer given to PasteText.
NumberFormatGuess PasteNumberFormat(std::string_view text);

// Reads clipboard text (UTF-8) into cells starting at `start`. Tabs end
// fields, or, in a text without a tab, runs of blanks; a line ends at CR LF,
// a bare LF or a bare CR, and the next line starts again in the start
// column. A last field that no tab or line end follows is stored too; only a
// NUL ends the text. An empty field or a missing marker (IsMissingField)
// empties its cell; every other field must be a finite number
// (ReadFieldNumber) in the given format, or without one in the format the
// text shows (PasteNumberFormat), which must then be decided. The whole text
// is read before any cell changes: a field that is no number, or one whose
// number is in doubt, leaves every cell as it was and the outcome's error
// names it. The sheet
// grows to the last row written; a text that would write past row
// kMaxSheetRows is refused the same way, with the count of its rows beyond.
// Fields right of the last column are skipped and counted, and cells outside
// `selection` are skipped when one is given.
PasteOutcome PasteText(SheetValues& cells, std::string_view text, CellPosition start, const CellRange* selection,
                       PasteHeading heading = PasteHeading::None, std::optional<NumberFormat> format = std::nullopt);

// What the user is told when fields of a paste fell right of the last column
// ("Pasted 120 of 120 rows and 17 of 18 columns; the rest did not fit.");
// empty when everything fitted.
std::string PasteNotice(const PasteOutcome& outcome);

}  // namespace rv
