#pragma once

#include <array>

#include "cli/command_line.h"
#include "regress/ranking_criterion.h"
#include "sheet/document.h"

namespace rv::cli {

// --max-terms M (1 to 20) and --sets 1,2,... applied over the given options.
void ApplySearchOptions(const Arguments& arguments, DocumentOptions& options);

// --rank-by r2|adj-r2|aicc|bic; R squared when not given.
RankingCriterion RankingCriterionOption(const Arguments& arguments);

}  // namespace rv::cli
