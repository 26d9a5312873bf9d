#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "print/coefficients_report.h"
#include "print/data_report.h"
#include "print/function_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"
#include "recording_canvas.h"
#include "sample_documents.h"
#include "stats/fitted_equation.h"
#include "stats/statistics_pass.h"

namespace rv::testing {
namespace {

// Every report stops when its job cannot start: no page, no end of a job
// that never began.
TEST(PrintJobPages, NoReportPrintsWhenTheJobCannotStart) {
  const Document document = FilledDocument(5, 3);
  const FitWorkspace equation =
      FitEquation({{3.1, 1}, {4.9, 2}, {7.2, 3}, {8.8, 4}, {11.1, 5}}, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
  const EquationStatistics statistics = StatisticsPass(equation);
  VectorGraph graph;
  graph.size = 640;
  const PrintSettings settings = Settings();

  const std::vector<std::pair<const char*, std::function<void(PageCanvas&)>>> reports = {
      {"data", [&](PageCanvas& c) { PrintDataReport(c, settings, document); }},
      {"coefficients", [&](PageCanvas& c) { PrintCoefficientsReport(c, settings, document, equation); }},
      {"residual table", [&](PageCanvas& c) { PrintResidualsReport(c, settings, document, statistics, false); }},
      {"residual chart", [&](PageCanvas& c) { PrintResidualsReport(c, settings, document, statistics, true); }},
      {"std errors", [&](PageCanvas& c) { PrintStdErrorsReport(c, settings, document, statistics); }},
      {"function", [&](PageCanvas& c) { PrintFunctionReport(c, settings, document, equation, FunctionLanguage::C); }},
      {"graph", [&](PageCanvas& c) { PrintGraphReport(c, settings, document, graph, equation); }},
  };
  for (const auto& [name, report] : reports) {
    SCOPED_TRACE(name);
    RecordingCanvas refused;
    refused.acceptJob = false;
    report(refused);
    EXPECT_TRUE(refused.pages.empty());
    EXPECT_EQ(refused.jobsEnded, 0);
    EXPECT_EQ(refused.strayCalls, 0);

    // The same report on a device that opens prints its pages in order.
    RecordingCanvas accepted;
    report(accepted);
    EXPECT_EQ(accepted.jobsBegun, 1);
    EXPECT_EQ(accepted.jobsEnded, 1);
    EXPECT_FALSE(accepted.pages.empty());
    EXPECT_EQ(accepted.strayCalls, 0);
  }
}

}  // namespace
}  // namespace rv::testing
