#include "print/function_report.h"

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"
#include "stats/function_text.h"

namespace rv {

namespace {

constexpr int kGapBelowTitles = 80;

}  // namespace

void PrintFunctionReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const FitWorkspace& equation, FunctionLanguage language) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kFunctionReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const int width = job.geometry.bodyRight - kLeftMargin;
  PageFlow flow(
      job, [&](PrintJob& page) { return PrintTitleBlock(page, document.options, lineHeight).y + kGapBelowTitles; });
  int y = flow.start();
  for (const std::string& listed : FunctionListingLines(equation, language))
    for (const std::string& line : WrappedLines(canvas, PrintFont::Body, listed, width)) {
      y = flow.place(y, lineHeight);
      if (!line.empty()) canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, line);
      y += lineHeight;
    }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
