#include "print/std_errors_report.h"

#include "print/print_job.h"
#include "print/title_block.h"

namespace rv {

namespace {

constexpr int kColumnRights[3] = {700, 1300, 1900};

void PrintRow(PageCanvas& canvas, int y, const std::string& term, const std::string& stdError, const std::string& tStat) {
  const std::string* fields[3] = {&term, &stdError, &tStat};
  for (int i = 0; i < 3; ++i)
    canvas.drawText(kColumnRights[i], y, TextAlign::Right, PrintFont::Body, fields[i]->substr(0, kStdErrorFieldLength));
}

}  // namespace

void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics) {
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int lineHeight = LineHeight(settings.fontSize);
  int y = PrintTitleBlock(job, document.options, lineHeight).y;
  y += 2 * lineHeight;
  canvas.drawText(job.geometry.titleCentre, y, TextAlign::Centre, PrintFont::Body, statistics.equationText);
  y += 3 * lineHeight;
  PrintRow(canvas, y, "Term", "Std Error", "t Stat");
  for (const TermRow& row : statistics.termRows) {
    y += lineHeight;
    PrintRow(canvas, y, row.label, row.stdError, row.tStat);
  }
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
