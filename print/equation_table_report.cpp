#include "print/equation_table_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/term_columns.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"

namespace rv {

namespace {

constexpr int kFigureValueRight = 1300;
constexpr int kFigureGap = 40;

}  // namespace

void PrintEquationTableReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                              const ReportName& report, const std::string& equationText,
                              const std::vector<ReportFigure>& figures, const TermTable& table) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, report);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const PageGeometry& page = job.geometry;
  // A page the table runs on to repeats the titles and the table's heading.
  bool tableStarted = false;
  PageFlow flow(job, [&](PrintJob& current) {
    const int y = PrintTitleBlock(current, document.options, lineHeight).y;
    if (!tableStarted) return y + 2 * lineHeight;
    PrintTermColumns(canvas, y + lineHeight, table.heading[0], table.heading[1], table.heading[2]);
    return y + 2 * lineHeight;
  });
  int y = flow.start();
  const int width = 2 * std::min(page.titleCentre - kLeftMargin, page.bodyRight - page.titleCentre);
  for (const std::string& line : WrappedLines(canvas, PrintFont::Body, equationText, width)) {
    y = flow.place(y, lineHeight);
    canvas.drawText(page.titleCentre, y, TextAlign::Centre, PrintFont::Body, line);
    y += lineHeight;
  }
  y += 2 * lineHeight;
  for (const ReportFigure& figure : figures) {
    y = flow.place(y, lineHeight);
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, figure.name);
    // At a large font the value moves right, after its name's real width.
    const int valueRight = kLeftMargin + canvas.textWidth(PrintFont::Body, figure.name) + kFigureGap +
                           canvas.textWidth(PrintFont::Body, figure.value);
    canvas.drawText(std::max(kFigureValueRight, valueRight), y, TextAlign::Right, PrintFont::Body, figure.value);
    y += lineHeight;
  }
  if (!figures.empty()) y += lineHeight;
  tableStarted = true;
  const int pageBefore = job.pageCounter;
  y = flow.place(y, lineHeight);
  if (job.pageCounter == pageBefore) {
    PrintTermColumns(canvas, y, table.heading[0], table.heading[1], table.heading[2]);
    y += lineHeight;
  }
  for (const auto& row : table.rows) {
    y = flow.place(y, lineHeight);
    PrintTermColumns(canvas, y, row[0], row[1], row[2]);
    y += lineHeight;
  }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
