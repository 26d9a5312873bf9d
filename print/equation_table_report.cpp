#include "print/equation_table_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/printed_table.h"
#include "print/title_block.h"

namespace rv {

namespace {

constexpr int kFigureValueRight = 1300;
constexpr int kFigureGap = 40;
constexpr int kTermWidth = 400;
constexpr int kValueWidth = 600;

PrintedTable TableOf(const TermTable& terms) {
  PrintedTable table;
  table.rowCount = static_cast<int>(terms.rows.size());
  for (size_t c = 0; c < terms.heading.size(); ++c)
    table.columns.push_back({terms.heading[c], TextAlign::Right,
                             c == 0  ? kTermWidth
                             : c < 3 ? kValueWidth
                                     : 0,
                             [&terms, c](int row) {
                               const std::vector<std::string>& texts = terms.rows[static_cast<size_t>(row)];
                               return c < texts.size() ? texts[c] : std::string();
                             }});
  return table;
}

// The figure's value at 1300, after its name, or where neither leaves it
// room, on a line of its own at the right edge. Returns the y below it.
int PrintFigure(PrintJob& job, PageFlow& flow, const ReportFigure& figure, int y, int lineHeight) {
  PageCanvas& canvas = job.canvas;
  y = flow.place(y, lineHeight);
  canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, figure.name);
  const int nameEnd = kLeftMargin + canvas.textWidth(PrintFont::Body, figure.name);
  const int valueWidth = canvas.textWidth(PrintFont::Body, figure.value);
  int valueRight = std::max(kFigureValueRight, nameEnd + kFigureGap + valueWidth);
  if (valueRight > job.geometry.bodyRight) {
    y = flow.place(y + lineHeight, lineHeight);
    valueRight = job.geometry.bodyRight;
  }
  canvas.drawText(valueRight, y, TextAlign::Right, PrintFont::Body, figure.value);
  return y + lineHeight;
}

}  // namespace

void PrintEquationTableReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                              const ReportName& report, const std::string& equationText,
                              const std::vector<ReportFigure>& figures, const TermTable& table) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, report);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  PageFlow flow(job,
                [&](PrintJob& page) { return PrintTitleBlock(page, document.options, lineHeight).y + 2 * lineHeight; });
  int y = PrintCentredText(job, equationText, flow.start(), lineHeight) + 2 * lineHeight;
  for (const ReportFigure& figure : figures) y = PrintFigure(job, flow, figure, y, lineHeight);
  if (!figures.empty()) y += lineHeight;
  const TableStyle style = UnruledTableStyle(job, lineHeight);
  PrintTable(job, flow, TableOf(table), style, y);
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
