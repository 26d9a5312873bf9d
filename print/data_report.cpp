#include "print/data_report.h"

#include "print/print_job.h"
#include "print/title_block.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

// The part of the table that one block prints.
struct BlockTable {
  const DataTableLayout& layout;
  const DataSheet& sheet;
  ColumnBlock block;
  std::vector<int> rightEdges;  // of the block's columns
  int right() const { return rightEdges.back(); }
};

BlockTable TableOf(const DataTableLayout& layout, const DataSheet& sheet, ColumnBlock block) {
  BlockTable table{layout, sheet, block, {}};
  for (int c = block.first; c <= block.last; ++c)
    table.rightEdges.push_back(ColumnRightEdge(layout, sheet, block.first, c));
  return table;
}

// One row of the table at y: its top rule, the left border, the row-number
// column's border and, right-aligned in each cell and shown only inside
// it, the texts; rowLabel is the row number (empty in the heading row) and
// cellText(c) a column's text.
template <typename CellText>
void PrintTableRow(PageCanvas& canvas, const BlockTable& table, int y, const std::string& rowLabel, CellText cellText) {
  const DataTableLayout& layout = table.layout;
  const int bottom = y + layout.rowHeight;
  canvas.drawLine(kLeftMargin, y, table.right(), y, kRulePen);
  canvas.drawLine(kLeftMargin, y, kLeftMargin, bottom, kRulePen);
  canvas.drawLine(layout.numberColumnRight, y, layout.numberColumnRight, bottom, kRulePen);
  if (!rowLabel.empty())
    canvas.drawClippedText(layout.numberColumnRight - layout.inset, y + layout.inset, TextAlign::Right, PrintFont::Body,
                           rowLabel, kLeftMargin, layout.numberColumnRight);
  int left = layout.numberColumnRight;
  for (int c = table.block.first; c <= table.block.last; ++c) {
    const int edge = table.rightEdges[static_cast<size_t>(c - table.block.first)];
    const std::string text = cellText(c);
    if (!text.empty())
      canvas.drawClippedText(edge - layout.inset, y + layout.inset, TextAlign::Right, PrintFont::Body, text, left,
                             edge);
    canvas.drawLine(edge, y, edge, bottom, kRulePen);
    left = edge;
  }
}

// Starts a page of the block: the titles, then the heading row. Returns the
// y of the first data row.
int StartTablePage(PrintJob& job, const BlockTable& table, const DocumentOptions& options) {
  ++job.pageCounter;
  StartPrintPage(job);
  const DataTableLayout& layout = table.layout;
  const TitleBlockEnd titles = PrintTitleBlock(job, options, layout.rowHeight);
  int y = titles.y;
  if (titles.printed) y += layout.fontSize * 5 / 3;
  PrintTableRow(job.canvas, table, y, std::string(), [&](int c) { return table.sheet.names[static_cast<size_t>(c)]; });
  return y + layout.rowHeight;
}

void EndTablePage(PrintJob& job, const BlockTable& table, int y) {
  job.canvas.drawLine(kLeftMargin, y, table.right(), y, kRulePen);
  EndPrintPage(job);
}

// A page ends after a row reaching below the page break, and before a row
// that would reach into the footer: with large fonts, in landscape, the
// break leaves no room for one more row.
void PrintBlock(PrintJob& job, const BlockTable& table, int lastRow, const DocumentOptions& options) {
  bool pageOpen = false;
  int y = kTopMargin;
  int firstRowY = kTopMargin;
  for (int row = 0; row <= lastRow; ++row) {
    if (pageOpen && y > firstRowY && y + table.layout.rowHeight > job.geometry.footerY) {
      EndTablePage(job, table, y);
      pageOpen = false;
    }
    if (!pageOpen) {
      y = firstRowY = StartTablePage(job, table, options);
      pageOpen = true;
    }
    PrintTableRow(job.canvas, table, y, FormatText("%d", row + 1),
                  [&](int c) { return FormatCellText(table.sheet, row, c); });
    y += table.layout.rowHeight;
    if (y > table.layout.pageBreak) {
      EndTablePage(job, table, y);
      pageOpen = false;
    }
  }
  // A block whose last row filled its page has ended that page already.
  if (pageOpen) EndTablePage(job, table, y);
}

}  // namespace

DataTableLayout DataTableLayoutFor(int fontSize, bool landscape) {
  const int s = ClampTypedFontSize(fontSize);
  return {s, 5 * s, s * 200 / 300, kLeftMargin + 8 * s, landscape ? 2850 : 2250, landscape ? 2250 : 2850};
}

int ColumnRightEdge(const DataTableLayout& layout, const DataSheet& sheet, int first, int column) {
  const long long pixels = static_cast<long long>(sheet.columnBoundaries[static_cast<size_t>(column + 1)]) -
                           sheet.columnBoundaries[static_cast<size_t>(first)];
  return layout.numberColumnRight + static_cast<int>(pixels * layout.fontSize * 1000 / 3200);
}

SheetExtent PrintedExtent(const DataSheet& sheet) {
  SheetExtent extent;
  for (int row = 0; row < sheet.cells.rowCount(); ++row)
    for (int column = 0; column < kSheetColumns; ++column)
      if (!IsEmptyValue(sheet.cell(row, column))) {
        extent.lastRow = row;
        if (column > extent.lastColumn) extent.lastColumn = column;
      }
  return extent;
}

std::vector<ColumnBlock> ColumnBlocks(const DataTableLayout& layout, const DataSheet& sheet, int lastColumn) {
  std::vector<ColumnBlock> blocks;
  for (int first = 0; first <= lastColumn && static_cast<int>(blocks.size()) < kMaxColumnBlocks;) {
    int last = first;
    while (last < lastColumn && ColumnRightEdge(layout, sheet, first, last + 1) < layout.widestTable) ++last;
    blocks.push_back({first, last});
    first = last + 1;
  }
  return blocks;
}

void PrintDataReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
  const SheetExtent extent = PrintedExtent(document.sheet);
  if (extent.empty()) return;
  PrintJob job = MakePrintJob(canvas, settings, document.state, kDataReportName);
  if (!BeginPrintJob(job)) return;
  const DataTableLayout layout = DataTableLayoutFor(settings.fontSize, settings.landscape);
  for (const ColumnBlock& block : ColumnBlocks(layout, document.sheet, extent.lastColumn))
    PrintBlock(job, TableOf(layout, document.sheet, block), extent.lastRow, document.options);
  EndPrintJob(job);
}

}  // namespace rv
