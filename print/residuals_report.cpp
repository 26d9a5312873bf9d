#include "print/residuals_report.h"

#include <algorithm>

#include "print/chart_axes.h"
#include "print/page_flow.h"
#include "print/printed_table.h"
#include "print/title_block.h"
#include "print/wrapped_lines.h"
#include "stats/chart_points.h"

namespace rv {

namespace {

// The chart's square: 1000 units a side, 100 below the heading, smaller
// where the page has no room for it above the footer; the points keep 20
// units from its frame.
constexpr int kChartSide = 1000;
constexpr int kChartGap = 100;
constexpr int kPointMargin = 20;

// The narrowest the table's columns print: "n" from the margin to 400,
// Y Obs up to 700, the others 500 units each, but the four band columns
// 400, so that they fit one block beside "n".
constexpr int kNumberWidth = 100;
constexpr int kObsWidth = 300;
constexpr int kValueWidth = 500;
constexpr int kBandWidth = 400;

// The titles, then the equation: the top of every page of the report.
int ReportHeading(PrintJob& job, const DocumentOptions& options, const std::string& equation, int lineHeight) {
  const TitleBlockEnd titles = PrintTitleBlock(job, options, lineHeight);
  int y = titles.y + (titles.printed ? lineHeight / 2 : 0);
  if (!equation.empty()) y = PrintCentredText(job, equation, y, lineHeight) + lineHeight / 2;
  return y;
}

std::string WithoutLeadingBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// The residual list's columns, then the ends of the bands (when there are
// bands), which go on in a block of their own where the page has no room
// for them.
PrintedTable ResidualTableOf(const std::vector<ResidualRow>& rows, const std::vector<BandRow>& bands) {
  using Field = std::string ResidualRow::*;
  const auto column = [&rows](const char* heading, int width, Field field) {
    return TableColumn{heading, TextAlign::Right, width,
                       [&rows, field](int row) { return rows[static_cast<size_t>(row)].*field; }};
  };
  using BandField = std::string BandRow::*;
  const auto bandColumn = [&bands](const char* heading, BandField field) {
    return TableColumn{heading, TextAlign::Right, kBandWidth,
                       [&bands, field](int row) { return bands[static_cast<size_t>(row)].*field; }};
  };
  PrintedTable table;
  table.rowCount = static_cast<int>(rows.size());
  table.columns.push_back({"n", TextAlign::Left, kNumberWidth,
                           [&rows](int row) { return WithoutLeadingBlanks(rows[static_cast<size_t>(row)].number); }});
  table.columns.push_back(column("Y Obs", kObsWidth, &ResidualRow::yObs));
  table.columns.push_back(column("Y Calc", kValueWidth, &ResidualRow::yCalc));
  table.columns.push_back(column("Difference", kValueWidth, &ResidualRow::difference));
  table.columns.push_back(column("Pct Diff", kValueWidth, &ResidualRow::pctDiff));
  // A weighted fit's normalised residual, the difference over sigma.
  if (!rows.empty() && !rows.front().normalised.empty())
    table.columns.push_back(column("Normalised", kValueWidth, &ResidualRow::normalised));
  if (bands.size() != rows.size()) return table;
  table.columns.push_back(bandColumn("Conf Low", &BandRow::confidenceLow));
  table.columns.push_back(bandColumn("Conf High", &BandRow::confidenceHigh));
  table.columns.push_back(bandColumn("Pred Low", &BandRow::predictionLow));
  table.columns.push_back(bandColumn("Pred High", &BandRow::predictionHigh));
  return table;
}

// What the band columns are, below the table from the left margin, wrapped
// to the body's width.
void PrintBandHeading(PrintJob& job, PageFlow& flow, const std::string& heading, int y, int lineHeight) {
  for (const std::string& line :
       WrappedLines(job.canvas, PrintFont::Body, heading, job.geometry.bodyRight - kLeftMargin)) {
    y = flow.place(y, lineHeight);
    job.canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, line);
    y += lineHeight;
  }
}

void PrintTable(PrintJob& job, const DocumentOptions& options, const EquationStatistics& statistics, int lineHeight) {
  PageFlow flow(job, [&](PrintJob& page) { return ReportHeading(page, options, statistics.equationText, lineHeight); });
  TableStyle style = UnruledTableStyle(job, lineHeight);
  style.headingGap = lineHeight / 2;
  style.rowsPerPage = kResidualRowsPerPage;
  const int y =
      PrintTable(job, flow, ResidualTableOf(statistics.residualRows, statistics.bandRows), style, flow.start());
  if (!statistics.bandRows.empty()) PrintBandHeading(job, flow, statistics.bandHeading, y + lineHeight / 2, lineHeight);
  flow.finish();
}

void PrintChart(PrintJob& job, const DocumentOptions& options, const EquationStatistics& statistics, int lineHeight) {
  PageCanvas& canvas = job.canvas;
  StartPrintPage(job);
  const int y = ReportHeading(job, options, statistics.equationText, lineHeight);
  const int centre = job.geometry.titleCentre;
  const int top = y + kChartGap;
  const int side =
      std::clamp(job.geometry.footerY - top - ChartAxesDepth(job.setup.fonts), 4 * kPointMargin, kChartSide);
  const int left = centre - side / 2;
  const int right = left + side;
  const int bottom = top + side;
  canvas.drawLine(left, top, left, bottom, kChartFramePen);
  canvas.drawLine(left, bottom, right, bottom, kChartFramePen);
  canvas.drawLine(right, bottom, right, top, kChartFramePen);
  canvas.drawLine(right, top, left, top, kChartFramePen);
  canvas.drawLine(left, bottom, right, top, kChartFramePen);
  const ChartFrame frame{left + kPointMargin, bottom - kPointMargin, side - 2 * kPointMargin, side - 2 * kPointMargin};
  const ResidualTable& table = statistics.residuals;
  const ChartAxesEnd axes = PrintChartAxes(canvas, job.setup.fonts, frame, {left, top, right, bottom}, table);
  // The vertical caption runs upward from its point, centred on the side.
  const std::string observed = "Observed";
  canvas.drawText(axes.verticalCaptionX,
                  (top + bottom) / 2 + canvas.textWidth(PrintFont::ChartCaptionVertical, observed) / 2, TextAlign::Left,
                  PrintFont::ChartCaptionVertical, observed);
  canvas.drawText(centre, axes.horizontalCaptionY, TextAlign::Centre, PrintFont::ChartCaption, "Calculated");
  for (const ChartPoint& point : ChartPoints(table, frame)) {
    canvas.drawLine(point.x, point.y - 12, point.x, point.y + 13, kChartPointPen);
    canvas.drawLine(point.x - 12, point.y, point.x + 13, point.y, kChartPointPen);
  }
  job.pageCounter = 1;
  EndPrintPage(job);
}

}  // namespace

void PrintResidualsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics, bool chart) {
  // An equation always has points; without any there is nothing to print.
  if (statistics.residuals.pointCount() == 0) return;
  PrintJob job =
      MakePrintJob(canvas, settings, document.state, chart ? kResidualChartReportName : kResidualsReportName);
  if (!BeginPrintJob(job)) return;
  const int lineHeight = LineHeight(settings.fontSize);
  if (chart) PrintChart(job, document.options, statistics, lineHeight);
  else PrintTable(job, document.options, statistics, lineHeight);
  EndPrintJob(job);
}

}  // namespace rv
