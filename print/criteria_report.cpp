#include "print/criteria_report.h"

#include "print/equation_report_page.h"
#include "print/page_geometry.h"
#include "print/term_columns.h"
#include "stats/criteria_text.h"
#include "stats/fit_criteria.h"

namespace rv {

namespace {

constexpr int kValueRight = 1300;

}  // namespace

void PrintCriteriaReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const EquationStatistics& statistics) {
  const FitCriteria criteria = BuildFitCriteria(statistics);
  PrintEquationReportPage(canvas, settings, document, statistics.equationText, [&](int y, int lineHeight) {
    y += 2 * lineHeight;
    for (const CriterionRow& row : CriterionRows(criteria)) {
      y += lineHeight;
      canvas.drawText(kLeftMargin, y, TextAlign::Left, PrintFont::Body, row.name);
      canvas.drawText(kValueRight, y, TextAlign::Right, PrintFont::Body, row.value);
    }
    y += 2 * lineHeight;
    PrintTermColumns(canvas, y, "Term", "Lower 95%", "Upper 95%");
    for (const IntervalRow& row : IntervalRows(statistics, criteria)) {
      y += lineHeight;
      PrintTermColumns(canvas, y, row.label, row.lower, row.upper);
    }
  });
}

}  // namespace rv
