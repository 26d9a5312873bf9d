#include "print/graph_report.h"

#include "print/print_job.h"
#include "print/title_block.h"
#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"

namespace rv {

namespace {

// The graph report's titles take fixed steps, whatever the font size.
constexpr int kTitle1Step = 80;
constexpr int kTitle2Step = 80;
constexpr int kCoefficientPitch = 60;

}  // namespace

void PrintGraphReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                      const FrameBuffer& picture, const GraphPalette& palette, const FitWorkspace& equation) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kGraphReportName);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int centre = job.geometry.titleCentre;
  int y = kTopMargin;
  if (TitleIsPrinted(document.options.title1)) {
    canvas.drawText(centre, y, TextAlign::Centre, PrintFont::Title1, document.options.title1);
    y += kTitle1Step;
  }
  if (TitleIsPrinted(document.options.title2)) {
    canvas.drawText(centre, y, TextAlign::Centre, PrintFont::Title2, document.options.title2);
    y += kTitle2Step;
  }
  canvas.drawPicture(kLeftMargin, y, kGraphPictureSide, kGraphPictureSide, picture, palette);

  // Beside the picture in landscape, below it in portrait.
  const int x = settings.landscape ? 2400 : 600;
  int line = settings.landscape ? 600 : 2400;
  canvas.drawText(x, line, TextAlign::Left, PrintFont::Body, "Coefficients");
  for (int k = 0; k < equation.coefficientCount(); ++k) {
    line += kCoefficientPitch;
    canvas.drawText(x, line, TextAlign::Left, PrintFont::Body,
                    FormatText("%c = ", CoefficientLetter(k)) +
                        FormatValueText(equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific));
  }
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
