#include "print/std_errors_report.h"

#include "print/equation_table_report.h"

namespace rv {

void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics) {
  TermTable table{{"Term", "Std Error", "t Stat"}, {}};
  for (const TermRow& row : statistics.termRows) table.rows.push_back({row.label, row.stdError, row.tStat});
  PrintEquationTableReport(canvas, settings, document, kStdErrorsReportName, statistics.equationText, {}, table);
}

}  // namespace rv
