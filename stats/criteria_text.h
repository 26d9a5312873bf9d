#pragma once

#include <string>
#include <vector>

#include "stats/fit_criteria.h"
#include "stats/statistics_pass.h"

namespace rv {

// One figure of the fit criteria as the statistics dialog's Criteria page,
// its copy, its printout and the command line show it: "Adjusted R
// Squared", "F Stat", "F P Value", "AICc", "BIC", "Predicted R Squared",
// "Residual Std Error", and for a weighted fit "Chi Squared" and "Weights"
// (its weighting), with
// "%.6f" (F with "%.8E", its P with "%.4E"); "n/a" where undefined.
struct CriterionRow {
  std::string name, value;
};
std::vector<CriterionRow> CriterionRows(const FitCriteria& criteria);

// Each coefficient's 95 % interval: its term label, the lower and the upper
// bound with "%.8E".
struct IntervalRow {
  std::string label, lower, upper;
};
std::vector<IntervalRow> IntervalRows(const EquationStatistics& statistics, const FitCriteria& criteria);

// The Criteria page's copy: "name<TAB>value" per figure, a blank line, then
// "Term<TAB>Lower 95%<TAB>Upper 95%" and a row per coefficient; CR LF after
// every line.
std::string CopyCriteriaText(const EquationStatistics& statistics, const FitCriteria& criteria);

}  // namespace rv
