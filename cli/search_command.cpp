#include <cstdio>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/search_json.h"
#include "cli/search_options.h"
#include "cli/search_runner.h"
#include "cli/search_shard.h"
#include "cli/searchable_data.h"
#include "cli/text_options.h"
#include "regress/refusal_count.h"
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

// The refused candidates' counts on standard error, and why a list is empty
// even when --quiet.
void ReportRefusals(const SearchOutcome& outcome, bool quiet) {
  const std::string refusals = RefusalSummary(outcome.refusals);
  if (outcome.list.empty())
    std::fprintf(stderr, "found no equation: %s\n",
                 refusals.empty() ? "no candidate fits better than the mean of Y" : refusals.c_str());
  else if (!quiet && !refusals.empty()) std::fprintf(stderr, "%s\n", refusals.c_str());
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(
      words, AndTextValueOptions({"max-terms", "sets", "sigma", "top", "threads", "engine", "rank-by", "shard"}),
      AndTextFlagOptions({"json", "quiet"}));
  if (arguments.positional.size() != 1) throw CliError("search needs exactly one FILE");
  CheckOptionValues(arguments);
  const int top = TopOption(arguments);
  const int threads = ThreadsOption(arguments);
  const RankingCriterion criterion = RankingCriterionOption(arguments);
  SearchEngine engine = SearchEngine::Fast;
  if (arguments.has("engine")) {
    if (arguments.value("engine") == "reference") engine = SearchEngine::Reference;
    else if (arguments.value("engine") != "fast")
      throw CliError("--engine must be fast or reference, not '" + arguments.value("engine") + "'");
  }

  std::optional<ShardChoice> shard;
  if (arguments.has("shard")) {
    shard = ParseShardOption(arguments.value("shard"));
    if (!arguments.flag("json")) throw CliError("--shard writes a part for merge: give --json too");
    if (arguments.has("top")) throw CliError("--top belongs to merge, which writes the list of all parts");
  }

  const std::string& path = arguments.positional[0];
  Document document = LoadDocument(path, arguments);
  ApplySearchOptions(arguments, document.options);
  const SearchData data = SearchableSnapshot(document, path);
  const SearchShape shape = MakeSearchShape(data, document.options);
  std::optional<OrdinalRange> part;
  if (shard) part = ShardRange(CountCandidates(shape), shard->shard, shard->shards);

  const ForegroundSearch search =
      RunSearchInForeground(data, shape, criterion, engine, threads, part, !arguments.flag("quiet"));
  if (shard) {
    PrintSearchShard(MakeSearchShard(data, shape, *shard, search.outcome, search.examined));
  } else if (arguments.flag("json")) {
    const std::string json =
        SearchJson(data.pointCount, data.columnCount, shape, search.outcome, search.examined, top, data.weighted);
    std::fwrite(json.data(), 1, json.size(), stdout);
  } else {
    PrintText(search.outcome, top);
  }
  ReportRefusals(search.outcome, arguments.flag("quiet"));
  // A search ended by Ctrl+C prints what it found, then exits as interrupted.
  return search.interrupted ? kInterruptedStatus : 0;
}

}  // namespace rv::cli
