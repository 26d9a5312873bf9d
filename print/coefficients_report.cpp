#include "print/coefficients_report.h"

#include "print/print_job.h"
#include "print/title_block.h"
#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"

namespace rv {

void PrintCoefficientsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                             const FitWorkspace& equation) {
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int lineHeight = LineHeight(settings.fontSize);
  const TitleBlockEnd titles = PrintTitleBlock(job, document.options, lineHeight);
  int y = titles.y;
  if (titles.printed) y += lineHeight / 3;
  y += lineHeight;
  canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, equation.text);
  y += 2 * lineHeight;
  canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, "Coefficients");
  for (int k = 0; k < equation.coefficientCount(); ++k) {
    y += lineHeight;
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, FormatText("%c =", CoefficientLetter(k)));
    canvas.drawText(400, y, TextAlign::Left, PrintFont::Body,
                    FormatValueText(equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific));
  }
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
