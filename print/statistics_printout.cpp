#include "print/statistics_printout.h"

#include "print/coefficients_report.h"
#include "print/criteria_report.h"
#include "print/function_report.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"

namespace rv {

Printout StatisticsPrintout(const PrintedStatisticsPage& printed, const FitWorkspace& equation,
                            const EquationStatistics& statistics) {
  const bool chart = printed.chart;
  const FunctionLanguage language = printed.language;
  switch (printed.page) {
    case 1:
      return [&statistics, chart](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintResidualsReport(canvas, settings, document, statistics, chart);
      };
    case 2:
      return [&statistics](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintStdErrorsReport(canvas, settings, document, statistics);
      };
    case 5:
      return [&statistics](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintCriteriaReport(canvas, settings, document, statistics);
      };
    case 3:
      return [&equation, language](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintFunctionReport(canvas, settings, document, equation, language);
      };
    default:
      return [&equation](PageCanvas& canvas, const PrintSettings& settings, const Document& document) {
        PrintCoefficientsReport(canvas, settings, document, equation);
      };
  }
}

}  // namespace rv
