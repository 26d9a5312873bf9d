#include "print/criteria_report.h"

#include "print/equation_table_report.h"
#include "stats/criteria_text.h"
#include "stats/fit_criteria.h"

namespace rv {

void PrintCriteriaReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                         const EquationStatistics& statistics) {
  const FitCriteria criteria = BuildFitCriteria(statistics);
  std::vector<ReportFigure> figures;
  for (const CriterionRow& row : CriterionRows(criteria)) figures.push_back({row.name, row.value});
  TermTable table{{"Term", "Lower 95%", "Upper 95%"}, {}};
  for (const IntervalRow& row : IntervalRows(statistics, criteria))
    table.rows.push_back({row.label, row.lower, row.upper});
  PrintEquationTableReport(canvas, settings, document, kCriteriaReportName, statistics.equationText, figures, table);
}

}  // namespace rv
