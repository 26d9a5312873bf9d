#pragma once

#include <vector>

#include "print/page_canvas.h"
#include "print/print_settings.h"
#include "sheet/document.h"

namespace rv {

// The quantities of the printed data table, in page units, for font size s.
struct DataTableLayout {
  int fontSize;           // s
  int rowHeight;          // 5s
  int inset;              // s × 200 / 300: text keeps this far from the rules
  int numberColumnRight;  // 300 + 8s: the row numbers' column
  int widestTable;        // a block's columns end before this x
  int pageBreak;          // a row ending below this y ends the page
};

DataTableLayout DataTableLayoutFor(int fontSize, bool landscape);

// The printed right edge of column c in a block starting at column first:
// 300 + 8s + (B[c + 1] - B[first]) × s × 1000 / 3200, B the grid's column
// boundaries in screen pixels, so that at size 10 a printed column is as
// wide as on a 96-pixel-per-inch screen.
int ColumnRightEdge(const DataTableLayout& layout, const DataSheet& sheet, int first, int column);

// The last row and the last column holding any value, found independently;
// -1 when the sheet holds no value.
struct SheetExtent {
  int lastRow = -1;
  int lastColumn = -1;
  bool empty() const { return lastRow < 0; }
};
SheetExtent PrintedExtent(const DataSheet& sheet);

struct ColumnBlock {
  int first;
  int last;
};

inline constexpr int kMaxColumnBlocks = 49;

// The columns 0 … lastColumn split into blocks that each fit the widest
// table. A column too wide to fit even alone makes a block of its own, so
// every block takes at least one column.
std::vector<ColumnBlock> ColumnBlocks(const DataTableLayout& layout, const DataSheet& sheet, int lastColumn);

// The data sheet as a ruled table: column blocks one after the other, each
// starting on a new page; every page repeats the titles and the heading row
// of variable names; rows are numbered. An empty sheet prints nothing.
void PrintDataReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document);

}  // namespace rv
