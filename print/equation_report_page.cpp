#include "print/equation_report_page.h"

#include "print/print_job.h"
#include "print/title_block.h"

namespace rv {

void PrintEquationReportPage(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                             const std::string& equationText, const std::function<void(int y, int lineHeight)>& body) {
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int lineHeight = LineHeight(settings.fontSize);
  const int y = PrintTitleBlock(job, document.options, lineHeight).y + 2 * lineHeight;
  canvas.drawText(job.geometry.titleCentre, y, TextAlign::Centre, PrintFont::Body, equationText);
  body(y, lineHeight);
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
