#include "print/std_errors_report.h"

#include "print/equation_table_report.h"

namespace rv {

void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics) {
  TermTable table{{"Term", "Std Error", "t Stat", "P Value"}, {}};
  for (const TermRow& row : statistics.termRows) table.rows.push_back({row.label, row.stdError, row.tStat, row.pValue});
  PrintEquationTableReport(canvas, settings, document, kStdErrorsReportName, statistics.equationText, {}, table);
}

}  // namespace rv
