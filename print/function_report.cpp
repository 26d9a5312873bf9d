#include "print/function_report.h"

#include "print/print_job.h"
#include "print/title_block.h"
#include "stats/function_text.h"

namespace rv {

namespace {

constexpr int kGapBelowTitles = 80;

}  // namespace

void PrintFunctionReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const FitWorkspace& equation, FunctionLanguage language) {
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int lineHeight = LineHeight(settings.fontSize);
  int y = PrintTitleBlock(job, document.options, lineHeight).y + kGapBelowTitles;
  for (const std::string& line : FunctionListingLines(equation, language)) {
    if (!line.empty()) canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, line);
    y += lineHeight;
  }
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
