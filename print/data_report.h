#pragma once

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "sheet/document.h"

namespace rv {

// The quantities of the printed data table, in page units, for font size s.
struct DataTableLayout {
  int fontSize;           // s
  int rowHeight;          // 5s
  int inset;              // s × 200 / 300: text keeps this far from the rules
  int numberColumnWidth;  // 8s
};

DataTableLayout DataTableLayoutFor(int fontSize);

// The printed width of a column: its width on the grid, scaled so that at
// size 10 a printed column is as wide as on a 96-pixel-per-inch screen
// (pixels × s × 1000 / 3200), before it widens for its texts.
int ScaledColumnWidth(const DataTableLayout& layout, const DataSheet& sheet, int column);

// The last row and the last column holding any value, found independently;
// -1 when the sheet holds no value.
struct SheetExtent {
  int lastRow = -1;
  int lastColumn = -1;
  bool empty() const { return lastRow < 0; }
};
SheetExtent PrintedExtent(const DataSheet& sheet);

// The data sheet as a ruled table: every column at least as wide as on the
// grid and as wide as its widest text in the job's font, as many columns a
// block as the page's width holds, blocks one after the other, each
// starting on a new page; every page repeats the titles and the heading row
// of variable names; rows are numbered. A page ends after a row ending
// below 2850 (portrait Letter; 2250 lying), or before a row that would reach
// the footer. An empty sheet prints nothing.
void PrintDataReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document);

}  // namespace rv
