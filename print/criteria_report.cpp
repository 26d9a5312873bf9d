#include "print/criteria_report.h"

#include "print/print_job.h"
#include "print/title_block.h"
#include "stats/criteria_text.h"
#include "stats/fit_criteria.h"

namespace rv {

namespace {

constexpr int kValueRight = 1300;
constexpr int kColumnRights[3] = {700, 1300, 1900};

void PrintRow(PageCanvas& canvas, int y, const std::string& term, const std::string& lower, const std::string& upper) {
  const std::string* fields[3] = {&term, &lower, &upper};
  for (int i = 0; i < 3; ++i) canvas.drawText(kColumnRights[i], y, TextAlign::Right, PrintFont::Body, *fields[i]);
}

}  // namespace

void PrintCriteriaReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const EquationStatistics& statistics) {
  const FitCriteria criteria = BuildFitCriteria(statistics);
  PrintJob job = MakePrintJob(canvas, settings, document.state);
  if (!BeginPrintJob(job)) return;
  StartPrintPage(job);
  const int lineHeight = LineHeight(settings.fontSize);
  int y = PrintTitleBlock(job, document.options, lineHeight).y;
  y += 2 * lineHeight;
  canvas.drawText(job.geometry.titleCentre, y, TextAlign::Centre, PrintFont::Body, statistics.equationText);
  y += 2 * lineHeight;
  for (const CriterionRow& row : CriterionRows(criteria)) {
    y += lineHeight;
    canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, row.name);
    canvas.drawText(kValueRight, y, TextAlign::Right, PrintFont::Body, row.value);
  }
  y += 2 * lineHeight;
  PrintRow(canvas, y, "Term", "Lower 95%", "Upper 95%");
  for (const IntervalRow& row : IntervalRows(statistics, criteria)) {
    y += lineHeight;
    PrintRow(canvas, y, row.label, row.lower, row.upper);
  }
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
}

}  // namespace rv
