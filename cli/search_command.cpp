#include <cstdio>
#include <thread>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/json_text.h"
#include "cli/search_options.h"
#include "cli/search_runner.h"
#include "cli/searchable_data.h"
#include "cli/text_options.h"
#include "sheet/value_text.h"

namespace rv::cli {

namespace {

// Beside R squared, the value of the criterion that ranked the list, when
// it is another.
void PrintText(const SearchOutcome& outcome, int top) {
  const RankingCriterion criterion = outcome.list.criterion();
  const std::vector<int> order = outcome.list.sortOrder();
  for (int i = 0; i < static_cast<int>(order.size()) && i < top; ++i) {
    const EquationRecord& record = outcome.list.slot(order[static_cast<size_t>(i)]);
    std::printf("%s\t", record.rSquaredText.c_str());
    if (criterion != RankingCriterion::RSquared)
      std::printf("%s\t", FormatText(" %f", record.score.value(criterion)).c_str());
    std::printf("%s\t%s\n", record.ordinalText.c_str(), record.text.c_str());
  }
}

void PrintJson(const ForegroundSearch& search, const SearchData& data, const SearchShape& shape, int top) {
  const SearchOutcome& outcome = search.outcome;
  std::printf("{\n  \"points\": %d,\n  \"columns\": %d,\n  \"max_terms\": %d,\n  \"sets\": [", data.pointCount,
              data.columnCount, shape.maxTerms);
  bool first = true;
  for (EquationSet set : kEquationSets)
    if (shape.sets[set]) {
      std::printf("%s%d", first ? "" : ", ", EquationSetNumber(set));
      first = false;
    }
  std::printf("],\n  \"rank_by\": %s,\n  \"candidates\": %lld,\n  \"examined\": %lld,\n  \"stopped\": %s,\n"
              "  \"equations\": [",
              JsonString(RankingCriterionKey(outcome.list.criterion())).c_str(),
              static_cast<long long>(outcome.candidateCount), static_cast<long long>(search.examined),
              outcome.stopped ? "true" : "false");
  const std::vector<int> order = outcome.list.sortOrder();
  for (int i = 0; i < static_cast<int>(order.size()) && i < top; ++i) {
    const EquationRecord& record = outcome.list.slot(order[static_cast<size_t>(i)]);
    const ResidualScore& score = record.score;
    std::printf("%s\n    {\"r_squared\": %s, \"r_squared_text\": %s, \"ordinal\": %lld, \"equation\": %s, "
                "\"k\": %d, \"adjusted_r_squared\": %s, \"aicc\": %s, \"bic\": %s}",
                i == 0 ? "" : ",", JsonNumber(record.rSquared).c_str(), JsonString(record.rSquaredText).c_str(),
                static_cast<long long>(record.ordinal), JsonString(record.text).c_str(), score.coefficients,
                JsonNumber(score.value(RankingCriterion::AdjustedRSquared)).c_str(),
                JsonNumber(score.value(RankingCriterion::Aicc)).c_str(),
                JsonNumber(score.value(RankingCriterion::Bic)).c_str());
  }
  std::printf("%s]\n}\n", order.empty() ? "" : "\n  ");
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& words) {
  const Arguments arguments =
      ParseArguments(words, AndTextValueOptions({"max-terms", "sets", "top", "threads", "engine", "rank-by"}),
                     AndTextFlagOptions({"json", "quiet"}));
  if (arguments.positional.size() != 1) throw CliError("search needs exactly one FILE");
  Document document = LoadDocument(arguments.positional[0], arguments);
  ApplySearchOptions(arguments, document.options);
  const int top = arguments.has("top") ? static_cast<int>(ParseInteger(arguments.value("top"), "--top", 1, 1000)) : 1000;
  const unsigned cores = std::thread::hardware_concurrency();
  const int threads = arguments.has("threads")
                          ? static_cast<int>(ParseInteger(arguments.value("threads"), "--threads", 1, 256))
                          : static_cast<int>(cores > 0 ? cores : 1);
  SearchEngine engine = SearchEngine::Fast;
  if (arguments.has("engine")) {
    if (arguments.value("engine") == "reference")
      engine = SearchEngine::Reference;
    else if (arguments.value("engine") != "fast")
      throw CliError("--engine must be fast or reference, not '" + arguments.value("engine") + "'");
  }

  const std::string& path = arguments.positional[0];
  const SearchData data = TakeSearchSnapshot(document.sheet.cells);
  RequireSearchableData(data, path);
  WarnAboutLeftOutData(document.sheet.cells);
  const SearchShape shape = MakeSearchShape(data, document.options);

  const ForegroundSearch search = RunSearchInForeground(data, shape, RankingCriterionOption(arguments), engine, threads,
                                                        !arguments.flag("quiet"));
  if (arguments.flag("json"))
    PrintJson(search, data, shape, top);
  else
    PrintText(search.outcome, top);
  // A search ended by Ctrl+C prints what it found, then exits as interrupted.
  return search.interrupted ? kInterruptedStatus : 0;
}

}  // namespace rv::cli
