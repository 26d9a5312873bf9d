#include "cli/search_options.h"

#include <sstream>

namespace rv::cli {

void ApplySearchOptions(const Arguments& arguments, DocumentOptions& options) {
  if (arguments.has("max-terms"))
    options.maxTerms =
        static_cast<int>(ParseInteger(arguments.value("max-terms"), "--max-terms", kMinMaxTerms, kMaxMaxTerms));
  if (arguments.has("sets")) {
    options.setEnabled = {};
    std::stringstream list(arguments.value("sets"));
    std::string item;
    bool any = false;
    while (std::getline(list, item, ',')) {
      const auto number = static_cast<int>(ParseInteger(item, "each set of --sets", 1, kSetCount));
      options.setEnabled[*EquationSetFromNumber(number)] = true;
      any = true;
    }
    if (!any) throw CliError("--sets needs at least one set number from 1 to 6");
  }
}

RankingCriterion RankingCriterionOption(const Arguments& arguments) {
  if (!arguments.has("rank-by")) return RankingCriterion::RSquared;
  if (const auto criterion = RankingCriterionFromKey(arguments.value("rank-by"))) return *criterion;
  throw CliError("--rank-by must be r2, adj-r2, aicc or bic, not '" + arguments.value("rank-by") + "'");
}

}  // namespace rv::cli
