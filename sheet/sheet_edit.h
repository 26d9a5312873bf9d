#pragma once

#include <optional>
#include <string>
#include <variant>

#include "sheet/cell_range.h"
#include "sheet/clipboard_text.h"
#include "sheet/data_sheet.h"
#include "sheet/scale_variable.h"
#include "sheet/sheet_change.h"

namespace rv {

// Each change the user makes to the sheet, as a value. The Data tab reports
// what the user did; the main window applies it with ApplySheetEdit, so every
// change of the sheet passes one place and is one step.

// A typed text committed to its cell: empty text empties the cell, other
// text stores its leading number.
struct CellTextEntered {
  CellPosition cell;
  std::string text;
};

// Clipboard text (UTF-8) pasted from `start`; with a range selected, only
// its cells take values. A first line of names becomes what the user chose,
// and so does the number format when the text leaves it in doubt.
struct TextPasted {
  std::string text;
  CellPosition start;
  std::optional<CellRange> selection;
  PasteHeading heading = PasteHeading::None;
  std::optional<NumberFormat> numberFormat;
};

struct CellsCleared {
  CellRange range;
};

struct RowInserted {
  int row = 0;
};

struct RowDeleted {
  int row = 0;
};

// One empty row after the last, as moving down from the last row asks;
// nothing beyond kMaxSheetRows rows.
struct RowAppended {};

struct ColumnInserted {
  int column = 0;
};

struct ColumnDeleted {
  int column = 0;
};

struct ColumnFormatted {
  int column = 0;
  ColumnFormat format;
};

// The column's values as the Scale Variable dialog left them on OK.
struct ColumnScaled {
  int column = 0;
  ColumnValues values{};
};

// A column border dragged to a new width, in pixels.
struct ColumnResized {
  int column = 0;
  int width = kDefaultColumnWidth;
};

using SheetEdit = std::variant<CellTextEntered, TextPasted, CellsCleared, RowInserted, RowDeleted, RowAppended,
                               ColumnInserted, ColumnDeleted, ColumnFormatted, ColumnScaled, ColumnResized>;

// More than an outcome: an edit that went in may still carry a notice.
struct SheetEditOutcome {
  // The edit did part of what was asked (a paste larger than the room it
  // had): what the user should be told.
  std::string notice;
  // The edit was refused and the sheet is as it was (a pasted field that is
  // no number): why.
  std::string refusal;
};

// Applies the edit to the sheet. A text entered or pasted below the stored
// rows grows the sheet to hold it, up to kMaxSheetRows rows; an edit naming
// a row or column outside that changes nothing; decimal places beyond 12 count as 12 and a width is
// kept between 1 and kMaxColumnWidth. A scaled X column's graph minimum,
// maximum and constant follow its values while Auto Update is on.
SheetEditOutcome ApplySheetEdit(DataSheet& sheet, const SheetEdit& edit);

// The cells the edit may change in this sheet, so that Undo records them
// and no others (SheetChangeRecorder).
SheetRegion RegionOfEdit(const DataSheet& sheet, const SheetEdit& edit);

}  // namespace rv
