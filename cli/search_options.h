#pragma once

#include <array>

#include "cli/command_line.h"
#include "regress/ranking_criterion.h"
#include "sheet/document.h"

namespace rv::cli {

// Every value among --max-terms, --sets, --sigma, --rank-by, --top, --threads and
// the text options (text_options.h) that is given, checked before any work
// is done: CliError naming the first one that is wrong.
void CheckOptionValues(const Arguments& arguments);

// --max-terms M (1 to 20), --sets 1,2,... and --sigma X16|none applied over
// the given options.
void ApplySearchOptions(const Arguments& arguments, DocumentOptions& options);

// --rank-by r2|adj-r2|aicc|bic|pred-r2; R squared when not given.
RankingCriterion RankingCriterionOption(const Arguments& arguments);

// --top K (1 to 1000); 1000 when not given.
int TopOption(const Arguments& arguments);

// --threads T (1 to 256); the machine's cores when not given.
int ThreadsOption(const Arguments& arguments);

// --level L, the level of the confidence and prediction bands: a
// probability from 0.5 to 0.999 (0.95) or a percentage from 50 to 99.9 (95);
// fileLevel, the one the data file stores, when not given.
double BandLevelOption(const Arguments& arguments, double fileLevel = kDefaultBandLevel);

}  // namespace rv::cli
