#include "print/residuals_report.h"

#include <cmath>

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

// Starts a page of the table and prints its headers; returns the y below them.
int StartTablePage(PrintJob& job, const DocumentOptions& options, int lineHeight) {
  StartPrintPage(job);
  const TitleBlockEnd titles = PrintTitleBlock(job, options, lineHeight);
  int y = titles.y;
  if (titles.printed) y += lineHeight / 2;
  PageCanvas& canvas = job.canvas;
  canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, "n");
  canvas.drawText(kObsRight, y, TextAlign::Right, PrintFont::Body, "Y Obs");
  canvas.drawText(kCalcRight, y, TextAlign::Right, PrintFont::Body, "Y Calc");
  canvas.drawText(kDifferenceRight, y, TextAlign::Right, PrintFont::Body, "Difference");
  canvas.drawText(kPercentRight, y, TextAlign::Right, PrintFont::Body, "Pct Diff");
  ++job.pageCounter;
  return y + lineHeight / 2;
}

void PrintTable(PrintJob& job, const DocumentOptions& options, const ResidualTable& table, int lineHeight) {
  PageCanvas& canvas = job.canvas;
  int y = 0;
  for (int i = 0; i < table.pointCount(); ++i) {
    if (i % kResidualRowsPerPage == 0) {
      if (i > 0) EndPrintPage(job);
      y = StartTablePage(job, options, lineHeight);
    }
    y += lineHeight;
    const size_t point = static_cast<size_t>(i);
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, FormatText("%d", i + 1));
    canvas.drawText(kObsRight, y, TextAlign::Right, PrintFont::Body, PrintedResidualText(table.yObs[point]));
    canvas.drawText(kCalcRight, y, TextAlign::Right, PrintFont::Body, PrintedResidualText(table.yCalc[point]));
    canvas.drawText(kDifferenceRight, y, TextAlign::Right, PrintFont::Body, PrintedResidualText(table.difference(i)));
    canvas.drawText(kPercentRight, y, TextAlign::Right, PrintFont::Body, PrintedPercentText(table.percentDifference(i)));
  }
  EndPrintPage(job);
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
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  if (chart)
    PrintChart(job, document.options, table, lineHeight);
  else
    PrintTable(job, document.options, table, lineHeight);
  EndPrintJob(job);
}

}  // namespace rv
