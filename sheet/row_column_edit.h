#pragma once

#include "sheet/data_sheet.h"

namespace rv {

// Inserting or deleting a row or column shifts the cells; the row or column
// pushed off the far end is lost and the one opened up is empty. Column
// widths and formats move with their columns, the opened column gets the
// default width and format. Variable names and graph values stay with the
// column positions.
void InsertRow(DataSheet& sheet, int row);
void DeleteRow(DataSheet& sheet, int row);
void InsertColumn(DataSheet& sheet, int column);
void DeleteColumn(DataSheet& sheet, int column);

}  // namespace rv
