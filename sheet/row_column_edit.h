#pragma once

#include "sheet/data_sheet.h"

namespace rv {

// Inserting or deleting a row or column shifts the cells and the one opened
// up is empty. A column pushed off the far end is lost. A row is not: when
// the last row holds data, an inserted row grows the sheet by one; when it is
// empty, it makes room and the sheet keeps its rows. Column widths and
// formats move with their columns, the opened column gets the default width
// and format. Variable names and graph values stay with the column
// positions. A row or column outside the sheet changes nothing.
//
// False, with nothing changed, when the last of kMaxSheetRows rows holds data.
bool InsertRow(DataSheet& sheet, int row);
void DeleteRow(DataSheet& sheet, int row);
void InsertColumn(DataSheet& sheet, int column);
void DeleteColumn(DataSheet& sheet, int column);

}  // namespace rv
