#include "print/std_errors_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"

namespace rv {

namespace {

// Each column right-aligned at its right edge and shown only from where the
// column before it ends.
constexpr int kColumnRights[3] = {700, 1300, 1900};
constexpr int kColumnGap = 20;

void PrintRow(PageCanvas& canvas, int y, const std::string& term, const std::string& stdError, const std::string& tStat) {
  const std::string* fields[3] = {&term, &stdError, &tStat};
  int left = kLeftMargin;
  for (int i = 0; i < 3; ++i) {
    canvas.drawClippedText(kColumnRights[i], y, TextAlign::Right, PrintFont::Body, fields[i]->substr(0, kStdErrorFieldLength),
                           left, kColumnRights[i]);
    left = kColumnRights[i] + kColumnGap;
  }
}

}  // namespace

void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kStdErrorsReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const PageGeometry& page = job.geometry;
  // The equation heads the table; a page the table runs on to repeats the
  // titles and the column headings.
  bool tableStarted = false;
  PageFlow flow(job, [&](PrintJob& current) {
    const int y = PrintTitleBlock(current, document.options, lineHeight).y;
    if (!tableStarted) return y + 2 * lineHeight;
    PrintRow(canvas, y + lineHeight, "Term", "Std Error", "t Stat");
    return y + 2 * lineHeight;
  });
  int y = flow.start();
  const int width = 2 * std::min(page.titleCentre - kLeftMargin, page.bodyRight - page.titleCentre);
  for (const std::string& line : WrappedLines(canvas, PrintFont::Body, statistics.equationText, width)) {
    y = flow.place(y, lineHeight);
    canvas.drawText(page.titleCentre, y, TextAlign::Centre, PrintFont::Body, line);
    y += lineHeight;
  }
  tableStarted = true;
  const int pageBefore = job.pageCounter;
  y = flow.place(y + 2 * lineHeight, lineHeight);
  if (job.pageCounter == pageBefore) {
    PrintRow(canvas, y, "Term", "Std Error", "t Stat");
    y += lineHeight;
  }
  for (const TermRow& row : statistics.termRows) {
    y = flow.place(y, lineHeight);
    PrintRow(canvas, y, row.label, row.stdError, row.tStat);
    y += lineHeight;
  }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
