#include "print/print_job.h"

#include "sheet/value_text.h"

namespace rv {

PrintJob MakePrintJob(PageCanvas& canvas, const PrintSettings& settings, const DocumentState& document,
                      const ReportName& report) {
  PrintJobSetup setup;
  setup.printer = settings.printer;
  setup.title = ReportTitle(report, document);
  setup.fileStem = ReportFileStem(report, document);
  setup.paper = settings.paper;
  setup.printerMedia = settings.printerMedia;
  setup.sides = settings.sides;
  setup.quality = settings.quality;
  setup.landscape = settings.landscape;
  setup.copies = ClampCopies(settings.copies);
  setup.fonts = JobFontsFor(settings);
  return PrintJob{canvas, setup, PageGeometryFor(settings.landscape), document.named ? document.path : std::string(),
                  0};
}

bool BeginPrintJob(PrintJob& job) {
  if (!job.canvas.beginJob(job.setup)) return false;
  job.geometry = PageGeometryFor(job.setup.landscape, job.canvas.pageSize());
  return true;
}

void StartPrintPage(PrintJob& job) { job.canvas.startPage(); }

void EndPrintPage(PrintJob& job) {
  const int y = job.geometry.footerY;
  if (!job.footerPath.empty()) job.canvas.drawText(kFooterPathX, y, TextAlign::Left, PrintFont::Footer, job.footerPath);
  job.canvas.drawText(job.geometry.pageNumberRight, y, TextAlign::Right, PrintFont::Footer,
                      FormatText("%d", job.pageCounter));
  job.canvas.endPage();
}

void EndPrintJob(PrintJob& job) { job.canvas.endJob(); }

}  // namespace rv
