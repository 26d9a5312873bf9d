#pragma once

#include "stats/function_language.h"

namespace rv {

// Which page of the statistics dialog is to be printed, and as what: the
// residuals as their table or as the chart, the function in its language.
struct PrintedStatisticsPage {
  int page = 0;  // 0 Coefficients, 1 Residuals, 2 Std Errs, 3 Function, 5 Criteria
  bool chart = false;
  FunctionLanguage language = FunctionLanguage::Basic;
};

}  // namespace rv
