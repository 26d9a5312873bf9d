#include "print/std_errors_report.h"

#include "print/equation_report_page.h"
#include "print/term_columns.h"

namespace rv {

void PrintStdErrorsReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                          const EquationStatistics& statistics) {
  PrintEquationReportPage(canvas, settings, document, statistics.equationText, [&](int y, int lineHeight) {
    y += 3 * lineHeight;
    PrintTermColumns(canvas, y, "Term", "Std Error", "t Stat");
    for (const TermRow& row : statistics.termRows) {
      y += lineHeight;
      PrintTermColumns(canvas, y, row.label, row.stdError, row.tStat);
    }
  });
}

}  // namespace rv
