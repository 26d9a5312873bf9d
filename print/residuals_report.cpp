#include "print/residuals_report.h"

#include <cmath>

#include "print/page_flow.h"
#include "print/print_job.h"
#include "print/title_block.h"
#include "sheet/value_text.h"
#include "stats/chart_points.h"
#include "stats/number_text.h"

namespace rv {

namespace {

constexpr double kSmallestFixed = 0.01;
constexpr double kLargestFixed = 1e15;

constexpr int kObsRight = 700;
constexpr int kCalcRight = 1200;
constexpr int kDifferenceRight = 1700;
constexpr int kPercentRight = 2200;

// The chart's square: 1000 units a side, 100 below the titles; the points
// keep 20 units from its frame.
constexpr int kChartSide = 1000;
constexpr int kChartGap = 100;
constexpr int kPointMargin = 20;
constexpr int kPointSpan = 960;

// The table's columns: "n" left-aligned at the margin, the others
// right-aligned at their right edges; each text shows only inside its
// column, which begins where the one before it ends.
constexpr int kNumberRight = 400;
constexpr int kColumnGap = 20;

struct ResidualColumn {
  int right;
  int clipLeft;
};
constexpr ResidualColumn kValueColumns[] = {{kObsRight, kNumberRight},
                                            {kCalcRight, kObsRight + kColumnGap},
                                            {kDifferenceRight, kCalcRight + kColumnGap},
                                            {kPercentRight, kDifferenceRight + kColumnGap}};

void PrintRow(PageCanvas& canvas, int y, const std::string& number, const std::string (&values)[4]) {
  canvas.drawClippedText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, number, kLeftMargin,
                         kNumberRight - kColumnGap);
  for (size_t c = 0; c < 4; ++c)
    canvas.drawClippedText(kValueColumns[c].right, y, TextAlign::Right, PrintFont::Body, values[c],
                           kValueColumns[c].clipLeft, kValueColumns[c].right);
}

// The top of a page of the table: the titles and the headers. Returns the
// y of the page's first row.
int TableHeading(PrintJob& job, const DocumentOptions& options, int lineHeight) {
  const TitleBlockEnd titles = PrintTitleBlock(job, options, lineHeight);
  int y = titles.y;
  if (titles.printed) y += lineHeight / 2;
  PrintRow(job.canvas, y, "n", {"Y Obs", "Y Calc", "Difference", "Pct Diff"});
  return y + lineHeight / 2 + lineHeight;
}

// As many rows a page as end above the footer, at most 50.
void PrintTable(PrintJob& job, const DocumentOptions& options, const ResidualTable& table, int lineHeight) {
  PageFlow flow(job, [&](PrintJob& page) { return TableHeading(page, options, lineHeight); });
  int y = flow.start();
  int rowsOnPage = 0;
  for (int i = 0; i < table.pointCount(); ++i) {
    const int pageBefore = job.pageCounter;
    y = rowsOnPage == kResidualRowsPerPage ? flow.breakPage() : flow.place(y, lineHeight);
    if (job.pageCounter != pageBefore) rowsOnPage = 0;
    const size_t point = static_cast<size_t>(i);
    PrintRow(job.canvas, y, FormatText("%d", i + 1),
             {PrintedResidualText(table.yObs[point]), PrintedResidualText(table.yCalc[point]),
              PrintedResidualText(table.difference(i)), PrintedPercentText(table.percentDifference(i))});
    ++rowsOnPage;
    y += lineHeight;
  }
  flow.finish();
}

void PrintChart(PrintJob& job, const DocumentOptions& options, const ResidualTable& table, int lineHeight) {
  PageCanvas& canvas = job.canvas;
  StartPrintPage(job);
  const int y = PrintTitleBlock(job, options, lineHeight).y;
  const int centre = job.geometry.titleCentre;
  const int left = centre - kChartSide / 2;
  const int right = centre + kChartSide / 2;
  const int top = y + kChartGap;
  const int bottom = top + kChartSide;
  canvas.drawLine(left, top, left, bottom, kChartFramePen);
  canvas.drawLine(left, bottom, right, bottom, kChartFramePen);
  canvas.drawLine(right, bottom, right, top, kChartFramePen);
  canvas.drawLine(right, top, left, top, kChartFramePen);
  canvas.drawLine(left, bottom, right, top, kChartFramePen);
  canvas.drawText(left - 90, y + 700, TextAlign::Left, PrintFont::ChartCaptionVertical, "Observed");
  canvas.drawText(centre, y + 1120, TextAlign::Centre, PrintFont::ChartCaption, "Calculated");
  const ChartFrame frame{left + kPointMargin, bottom - kPointMargin, kPointSpan, kPointSpan};
  for (const ChartPoint& point : ChartPoints(table, frame)) {
    canvas.drawLine(point.x, point.y - 12, point.x, point.y + 13, kChartPointPen);
    canvas.drawLine(point.x - 12, point.y, point.x + 13, point.y, kChartPointPen);
  }
  job.pageCounter = 1;
  EndPrintPage(job);
}

}  // namespace

std::string PrintedResidualText(double value) {
  const double magnitude = std::fabs(value);
  if (std::isfinite(value) && ((value != 0.0 && magnitude < kSmallestFixed) || magnitude >= kLargestFixed))
    return ScientificText(value, 4);
  return FixedText(value, 2);
}

std::string PrintedPercentText(double percent) {
  if (std::isfinite(percent) && std::fabs(percent) >= kLargestFixed) return ScientificText(percent, 4);
  return FixedText(percent, 2);
}

void PrintResidualsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const ResidualTable& table, bool chart) {
  // An equation always has points; without any there is nothing to print.
  if (table.pointCount() == 0) return;
  PrintJob job =
      MakePrintJob(canvas, settings, document.state, chart ? kResidualChartReportName : kResidualsReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  if (chart) PrintChart(job, document.options, table, lineHeight);
  else PrintTable(job, document.options, table, lineHeight);
  EndPrintJob(job);
}

}  // namespace rv
