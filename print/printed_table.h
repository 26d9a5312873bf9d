#pragma once

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "print/page_flow.h"

namespace rv {

// A column of a printed table: its heading, which side of its cell its
// texts keep to, the narrowest it prints, and its text in a row (an empty
// text prints nothing).
struct TableColumn {
  std::string heading;
  TextAlign align = TextAlign::Right;  // Left or Right
  int minWidth = 0;
  std::function<std::string(int row)> text;
};

// The table's columns, the first of them its key (the row numbers, the
// term), which every block of columns repeats, and its number of rows.
struct PrintedTable {
  std::vector<TableColumn> columns;
  int rowCount = 0;
};

// How a table prints, in page units.
struct TableStyle {
  int rowHeight = 0;
  int textDrop = 0;    // a row's texts start this far below its top
  int inset = 0;       // a text keeps this far from the side of its cell it keeps to
  int room = 0;        // and at least this far from the other side
  bool ruled = false;  // rules around every cell, the heading row's too
  int headingGap = 0;  // between the heading row and the first row
  int rowsPerPage = INT_MAX;
  int pageBreak = INT_MAX;  // a row ending below this y ends its page
};

// A table without rules: rows a line height apart, the texts of
// neighbouring cells at least half the body font's height (and 20 units)
// apart.
TableStyle UnruledTableStyle(const PrintJob& job, int lineHeight);

// The columns one block prints, the key column first, and their cells'
// left and right edges.
struct TableBlock {
  std::vector<int> columns;
  std::vector<int> left;
  std::vector<int> right;
  int tableRight() const { return right.back(); }
};

// The table's columns measured in the body font and laid out from the left
// margin: each column as wide as its widest text with its inset and room,
// and at least its minWidth where the page has room for that; the columns
// after the key go into blocks, as many as fit the page's body, at least
// one in each.
std::vector<TableBlock> TableBlocks(PageCanvas& canvas, const PrintedTable& table, const TableStyle& style,
                                    int bodyRight);

// Prints the table on from y on the page that is open: the heading row, then
// every row, block after block. A row that would reach the footer, pass the
// page break or the rows a page may hold goes on a new page, which flow
// begins with the report's heading; a block after the first begins a new
// page. Every page the table prints on repeats its heading row. Returns the
// y below the last row; the caller ends the page.
int PrintTable(PrintJob& job, PageFlow& flow, const PrintedTable& table, const TableStyle& style, int y);

}  // namespace rv
