#include "print/data_report.h"

#include "print/printed_table.h"
#include "print/title_block.h"
#include "sheet/value_text.h"

namespace rv {

namespace {

// A page ends after a row ending this far above the footer: 2850 and 2250
// on Letter, standing and lying.
constexpr int kPortraitBreakAboveFooter = 270;
constexpr int kLandscapeBreakAboveFooter = 150;

PrintedTable DataTable(const DataTableLayout& layout, const DataSheet& sheet, const SheetExtent& extent) {
  PrintedTable table;
  table.rowCount = extent.lastRow + 1;
  table.columns.push_back(
      {std::string(), TextAlign::Right, layout.numberColumnWidth, [](int row) { return FormatText("%d", row + 1); }});
  for (int c = 0; c <= extent.lastColumn; ++c)
    table.columns.push_back({sheet.names[static_cast<size_t>(c)], TextAlign::Right, ScaledColumnWidth(layout, sheet, c),
                             [&sheet, c](int row) { return FormatCellText(sheet, row, c); }});
  return table;
}

}  // namespace

DataTableLayout DataTableLayoutFor(int fontSize) {
  const int s = ClampTypedFontSize(fontSize);
  return {s, 5 * s, s * 200 / 300, 8 * s};
}

int ScaledColumnWidth(const DataTableLayout& layout, const DataSheet& sheet, int column) {
  const long long pixels = static_cast<long long>(sheet.columnBoundaries[static_cast<size_t>(column + 1)]) -
                           sheet.columnBoundaries[static_cast<size_t>(column)];
  return static_cast<int>(pixels * layout.fontSize * 1000 / 3200);
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

void PrintDataReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
  const SheetExtent extent = PrintedExtent(document.sheet);
  if (extent.empty()) return;
  PrintJob job = MakePrintJob(canvas, settings, document.state, kDataReportName);
  if (!BeginPrintJob(job)) return;
  const DataTableLayout layout = DataTableLayoutFor(settings.fontSize);
  PageFlow flow(job, [&](PrintJob& page) {
    const TitleBlockEnd titles = PrintTitleBlock(page, document.options, layout.rowHeight);
    return titles.y + (titles.printed ? layout.fontSize * 5 / 3 : 0);
  });
  TableStyle style;
  style.rowHeight = layout.rowHeight;
  style.textDrop = style.inset = style.room = layout.inset;
  style.ruled = true;
  style.pageBreak =
      job.geometry.footerY - (settings.landscape ? kLandscapeBreakAboveFooter : kPortraitBreakAboveFooter);
  PrintTable(job, flow, DataTable(layout, document.sheet, extent), style, flow.start());
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
