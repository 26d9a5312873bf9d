#include "print/graph_report.h"

#include <algorithm>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"
#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"

namespace rv {

namespace {

constexpr int kTextGap = 150;

struct CoefficientLine {
  std::string label;  // "a ="
  std::string value;
};

std::vector<CoefficientLine> CoefficientLines(const FitWorkspace& equation) {
  std::vector<CoefficientLine> lines;
  lines.reserve(static_cast<size_t>(equation.coefficientCount()));
  for (int k = 0; k < equation.coefficientCount(); ++k)
    lines.push_back({FormatText("%c =", CoefficientLetter(k)),
                     FormatValueText(equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific)});
  return lines;
}

std::string Joined(const CoefficientLine& line) { return line.label + " " + line.value; }

// The width of a column that holds the coefficients' text: with every line
// whole, or, broken, with the values after their labels' lines.
int NeededWidth(PageCanvas& canvas, const std::vector<CoefficientLine>& lines, bool broken) {
  const int indent = canvas.textWidth(PrintFont::Body, "a ");
  int needed = canvas.textWidth(PrintFont::Body, "Coefficients");
  for (const CoefficientLine& line : lines) {
    const int whole = canvas.textWidth(PrintFont::Body, Joined(line));
    needed = std::max(needed, broken ? std::min(whole, indent + canvas.textWidth(PrintFont::Body, line.value)) : whole);
  }
  return needed;
}

// The text beside or below the picture: the equation wrapped to the width,
// a blank line, "Coefficients" and the coefficients, from y at x.
void PrintText(PrintJob& job, PageFlow& flow, const FitWorkspace& equation, int x, int y, int width, int lineHeight) {
  PageCanvas& canvas = job.canvas;
  const auto print = [&](int at, const std::string& text) {
    y = flow.place(y, lineHeight);
    canvas.drawText(at, y, TextAlign::Left, PrintFont::Body, text);
    y += lineHeight;
  };
  for (const std::string& line : WrappedLines(canvas, PrintFont::Body, equation.text, width)) print(x, line);
  y += lineHeight;
  print(x, "Coefficients");
  const int indent = canvas.textWidth(PrintFont::Body, "a ");
  for (const CoefficientLine& line : CoefficientLines(equation)) {
    const std::string joined = Joined(line);
    if (canvas.textWidth(PrintFont::Body, joined) <= width) {
      print(x, joined);
      continue;
    }
    print(x, line.label);
    for (const std::string& part : WrappedLines(canvas, PrintFont::Body, line.value, width - indent))
      print(x + indent, part);
  }
}

}  // namespace

void PrintGraphReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                      const VectorGraph& graph, const FitWorkspace& equation) {
  PrintJob job = MakePrintJob(canvas, settings, document.state, kGraphReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  const PageGeometry& page = job.geometry;
  PageFlow flow(job, [&](PrintJob& next) { return PrintTitleBlock(next, document.options, lineHeight).y; });
  const int top = flow.start();
  const int bodyWidth = page.bodyRight - kLeftMargin;
  // The text's lines: the equation's, the blank one, "Coefficients", the coefficients.
  const int textLines = static_cast<int>(WrappedLines(canvas, PrintFont::Body, equation.text, bodyWidth).size()) + 2 +
                        equation.coefficientCount();
  const int largest = std::min({kGraphPictureSide, bodyWidth, page.footerY - top});
  // Lying, beside the picture while it keeps 4 inches, with whole lines if
  // they leave it that, else broken; below it when neither does.
  const auto besideWith = [&](bool broken) {
    return std::min(largest,
                    page.bodyRight - kLeftMargin - kTextGap - NeededWidth(canvas, CoefficientLines(equation), broken));
  };
  int beside = besideWith(false);
  if (beside < kSmallestGraphPictureSide) beside = besideWith(true);
  if (settings.landscape && beside >= kSmallestGraphPictureSide) {
    canvas.drawGraph(kLeftMargin, top, beside, graph);
    const int x = kLeftMargin + beside + kTextGap;
    PrintText(job, flow, equation, x, top, page.bodyRight - x, lineHeight);
  } else {
    const int side =
        std::min(std::max(page.footerY - top - kTextGap - textLines * lineHeight, kSmallestGraphPictureSide), largest);
    canvas.drawGraph(kLeftMargin, top, side, graph);
    PrintText(job, flow, equation, kLeftMargin, top + side + kTextGap, bodyWidth, lineHeight);
  }
  flow.finish();
  EndPrintJob(job);
}

}  // namespace rv
