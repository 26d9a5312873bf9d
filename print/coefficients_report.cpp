#include "print/coefficients_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"
#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"

namespace rv {

namespace {

// Where a coefficient's value starts at the least; a label that reaches
// further (a large font) pushes it on, a quarter of the font's height
// after the label's end, and a value too long for the rest of the line
// starts the next one here.
constexpr int kValueX = 400;

}  // namespace

void PrintCoefficientsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                             const FitWorkspace& equation) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kCoefficientsReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const int right = job.geometry.bodyRight;
  const int labelGap = FontOf(job.setup.fonts, PrintFont::Body).height / 4;
  PageFlow flow(job, [&](PrintJob& page) {
    const TitleBlockEnd titles = PrintTitleBlock(page, document.options, lineHeight);
    return titles.y + (titles.printed ? lineHeight / 3 : 0) + lineHeight;
  });
  int y = flow.start();
  for (const std::string& line : WrappedLines(canvas, PrintFont::Body, equation.text, right - kLeftMargin)) {
    y = flow.place(y, lineHeight);
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, line);
    y += lineHeight;
  }
  y = flow.place(y + lineHeight, lineHeight);
  canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, "Coefficients");
  for (int k = 0; k < equation.coefficientCount(); ++k) {
    y = flow.place(y + lineHeight, lineHeight);
    const std::string label = FormatText("%c =", CoefficientLetter(k));
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, label);
    int valueX = std::max(kValueX, kLeftMargin + canvas.textWidth(PrintFont::Body, label) + labelGap);
    const std::string value = FormatValueText(equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific);
    // A value with no room after its label goes on the next line, whole.
    if (valueX + canvas.textWidth(PrintFont::Body, value) > right) {
      y = flow.place(y + lineHeight, lineHeight);
      valueX = kValueX;
    }
    canvas.drawText(valueX, y, TextAlign::Left, PrintFont::Body, value);
  }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
