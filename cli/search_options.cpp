#include "cli/search_options.h"

#include <charconv>
#include <sstream>

#include "base/thread_count.h"
#include "cli/text_options.h"

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
  if (arguments.has("sigma")) {
    const std::string& column = arguments.value("sigma");
    if (column != "X16" && column != "none")
      throw CliError("--sigma must be X16 (the uncertainties of Y) or none, not '" + column + "'");
    options.weightedBySigma = column == "X16";
  }
}

void CheckOptionValues(const Arguments& arguments) {
  DocumentOptions options;
  ApplySearchOptions(arguments, options);
  RankingCriterionOption(arguments);
  TopOption(arguments);
  ThreadsOption(arguments);
  BandLevelOption(arguments);
  CheckTextOptions(arguments);
}

RankingCriterion RankingCriterionOption(const Arguments& arguments) {
  if (!arguments.has("rank-by")) return RankingCriterion::RSquared;
  if (const auto criterion = RankingCriterionFromKey(arguments.value("rank-by"))) return *criterion;
  throw CliError("--rank-by must be r2, adj-r2, aicc, bic or pred-r2, not '" + arguments.value("rank-by") + "'");
}

int TopOption(const Arguments& arguments) {
  return arguments.has("top") ? static_cast<int>(ParseInteger(arguments.value("top"), "--top", 1, 1000)) : 1000;
}

int ThreadsOption(const Arguments& arguments) {
  return arguments.has("threads") ? static_cast<int>(ParseInteger(arguments.value("threads"), "--threads", 1, 256))
                                  : EveryCoreThreadCount();
}

double BandLevelOption(const Arguments& arguments, double fileLevel) {
  if (!arguments.has("level")) return fileLevel;
  const std::string& text = arguments.value("level");
  double level = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), level);
  if (error == std::errc() && end == text.data() + text.size() && level > 1.0) level = level / 100.0;
  if (error != std::errc() || end != text.data() + text.size() || !IsBandLevel(level))
    throw CliError("--level takes a probability from 0.5 to 0.999 or a percentage from 50 to 99.9, not '" + text + "'");
  return level;
}

}  // namespace rv::cli
