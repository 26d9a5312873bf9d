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

// --top K (1 to 1000); 1000 when not given.
int TopOption(const Arguments& arguments);

// --threads T (1 to 256); the machine's cores when not given.
int ThreadsOption(const Arguments& arguments);

}  // namespace rv::cli
