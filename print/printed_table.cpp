#include "print/printed_table.h"

#include <algorithm>

namespace rv {

namespace {

constexpr int kSmallestRoom = 20;

// The width a column needs for its widest text, heading included.
int NeededWidth(PageCanvas& canvas, const TableColumn& column, int rowCount, const TableStyle& style) {
  int widest = canvas.textWidth(PrintFont::Body, column.heading);
  for (int row = 0; row < rowCount; ++row) {
    const std::string text = column.text(row);
    if (!text.empty()) widest = std::max(widest, canvas.textWidth(PrintFont::Body, text));
  }
  return widest + style.inset + style.room;
}

// Prints the rows of one block, each page with its heading row.
class BlockPrinter {
 public:
  BlockPrinter(PrintJob& job, PageFlow& flow, const PrintedTable& table, const TableStyle& style,
               const TableBlock& block)
      : job_(job), flow_(flow), table_(table), style_(style), block_(block) {}

  int print(int y) {
    y = heading(flow_.place(y, 2 * style_.rowHeight + style_.headingGap));
    for (int row = 0; row < table_.rowCount; ++row) {
      const bool full = rowsOnPage_ == style_.rowsPerPage || (rowsOnPage_ > 0 && y > style_.pageBreak) ||
                        (rowsOnPage_ > 0 && y + style_.rowHeight > job_.geometry.footerY);
      if (full) y = heading(newPage(y));
      drawRow(y, [&](const TableColumn& column) { return column.text(row); });
      ++rowsOnPage_;
      y += style_.rowHeight;
    }
    closeRule(y);
    return y;
  }

 private:
  int newPage(int y) {
    closeRule(y);
    return flow_.breakPage();
  }

  int heading(int y) {
    rowsOnPage_ = 0;
    drawRow(y, [](const TableColumn& column) { return column.heading; });
    return y + style_.rowHeight + style_.headingGap;
  }

  void closeRule(int y) {
    if (style_.ruled) job_.canvas.drawLine(block_.left.front(), y, block_.tableRight(), y, kRulePen);
  }

  template <typename TextOf>
  void drawRow(int y, TextOf textOf) {
    PageCanvas& canvas = job_.canvas;
    const int bottom = y + style_.rowHeight;
    if (style_.ruled) {
      canvas.drawLine(block_.left.front(), y, block_.tableRight(), y, kRulePen);
      canvas.drawLine(block_.left.front(), y, block_.left.front(), bottom, kRulePen);
    }
    for (size_t i = 0; i < block_.columns.size(); ++i) {
      const TableColumn& column = table_.columns[static_cast<size_t>(block_.columns[i])];
      const int left = block_.left[i];
      const int right = block_.right[i];
      const std::string text = textOf(column);
      if (!text.empty()) {
        const int x = column.align == TextAlign::Left ? left + style_.inset : right - style_.inset;
        canvas.drawClippedText(x, y + style_.textDrop, column.align, PrintFont::Body, text, left, right);
      }
      if (style_.ruled) canvas.drawLine(right, y, right, bottom, kRulePen);
    }
  }

  PrintJob& job_;
  PageFlow& flow_;
  const PrintedTable& table_;
  const TableStyle& style_;
  const TableBlock& block_;
  int rowsOnPage_ = 0;
};

}  // namespace

TableStyle UnruledTableStyle(const PrintJob& job, int lineHeight) {
  TableStyle style;
  style.rowHeight = lineHeight;
  style.room = std::max(kSmallestRoom, FontOf(job.setup.fonts, PrintFont::Body).height / 2);
  return style;
}

std::vector<TableBlock> TableBlocks(PageCanvas& canvas, const PrintedTable& table, const TableStyle& style,
                                    int bodyRight) {
  std::vector<TableBlock> blocks;
  if (table.columns.empty()) return blocks;
  std::vector<int> needed;
  for (const TableColumn& column : table.columns) needed.push_back(NeededWidth(canvas, column, table.rowCount, style));
  const int keyWidth = std::max(needed[0], table.columns[0].minWidth);
  const int keyRight = kLeftMargin + keyWidth;
  // A column as wide as its minimum asks, where the page has room for it;
  // never narrower than its texts.
  const auto widthOf = [&](size_t c) {
    return std::max(needed[c], std::min(table.columns[c].minWidth, bodyRight - keyRight));
  };
  TableBlock block{{0}, {kLeftMargin}, {keyRight}};
  for (size_t c = 1; c < table.columns.size(); ++c) {
    const int width = widthOf(c);
    if (block.columns.size() > 1 && block.tableRight() + width > bodyRight) {
      blocks.push_back(block);
      block = TableBlock{{0}, {kLeftMargin}, {keyRight}};
    }
    block.columns.push_back(static_cast<int>(c));
    block.left.push_back(block.tableRight());
    block.right.push_back(block.tableRight() + width);
  }
  blocks.push_back(block);
  return blocks;
}

int PrintTable(PrintJob& job, PageFlow& flow, const PrintedTable& table, const TableStyle& style, int y) {
  const std::vector<TableBlock> blocks = TableBlocks(job.canvas, table, style, job.geometry.bodyRight);
  for (size_t b = 0; b < blocks.size(); ++b) {
    if (b > 0) y = flow.breakPage();
    y = BlockPrinter(job, flow, table, style, blocks[b]).print(y);
  }
  return y;
}

}  // namespace rv
