#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/json_reader.h"
#include "cli/output_target.h"
#include "cli/search_json.h"
#include "cli/search_options.h"
#include "cli/search_shard.h"
#include "files/atomic_file.h"
#include "files/regular_file.h"
#include "regress/bare_entry.h"

namespace rv::cli {

namespace {

// A part holds the candidates that entered its own list: 6,188 entries
// (0.5 MB) for the 1.1 million candidates of a search of 15 variables at
// Maximum Terms 5, and some thousand more for each tenfold of candidates.
// Reading one part at this limit takes some 180 MB.
constexpr std::size_t kMaxShardBytes = std::size_t{16} << 20;
// Of many parts that cannot be merged, this many are named.
constexpr int kNamedParts = 10;

// The whole text of a part; "-" is standard input.
std::string ReadShardText(const std::string& path) {
  const std::string why = "no part of a search holds as much";
  if (path == "-") return ReadStandardInput(kMaxShardBytes, why);
  Outcome<std::string> read = ReadBoundedFile(path, kMaxShardBytes, why);
  if (!read) throw CliError(read.message().text, 1);
  return std::move(*read);
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Names the first kNamedParts of the items, "..." after them.
std::string Listed(const std::vector<std::string>& items) {
  std::string list;
  for (std::size_t i = 0; i < items.size() && i < kNamedParts; ++i) list += (i == 0 ? "" : ", ") + items[i];
  return list + (items.size() > kNamedParts ? " ..." : "");
}

bool SameOptions(const SearchShard& a, const SearchShard& b) {
  return a.points == b.points && a.columns == b.columns && a.shape.maxTerms == b.shape.maxTerms &&
         a.shape.sets == b.shape.sets && a.criterion == b.criterion && a.weighted == b.weighted;
}

std::string ShardName(int shard, int shards) { return std::to_string(shard) + "/" + std::to_string(shards); }

// The parts of one search by shard, each shard there exactly once: a part of
// another search or data, a repeated shard or a missing one is refused. The
// empty parts (a shard whose search failed before it wrote anything) are
// named all at once.
std::vector<SearchShard> CheckedShards(const std::vector<std::string>& paths) {
  std::vector<std::string> empty;
  std::vector<SearchShard> parts;
  std::map<int, std::string> pathOfShard;
  for (const std::string& path : paths) {
    SearchShard part;
    try {
      const std::string text = ReadShardText(path);
      if (IsBlank(text)) {
        empty.push_back(InputName(path));
        continue;
      }
      part = ReadSearchShard(text);
    } catch (const JsonError& error) {
      throw CliError(InputName(path) + " is not a part written by search --shard: " + error.what(), 1);
    }
    const std::string shard = ShardName(part.shard.shard, part.shard.shards);
    if (part.stopped)
      throw CliError(InputName(path) + " holds shard " + shard + ", whose search was stopped after " +
                         std::to_string(part.examined) + " of its " + std::to_string(part.range.count()) +
                         " candidates: search that shard again",
                     1);
    if (!parts.empty()) {
      const SearchShard& first = parts.front();
      const std::string& firstPath = pathOfShard.at(first.shard.shard);
      if (part.fingerprint != first.fingerprint)
        throw CliError(InputName(path) + " is a part of another search than " + InputName(firstPath) + ": " +
                           (SameOptions(part, first) ? "other data" : "other search options"),
                       1);
      if (part.shard.shards != first.shard.shards)
        throw CliError(InputName(path) + " is shard " + shard + ", but " + InputName(firstPath) +
                           " cuts the search into " + std::to_string(first.shard.shards) + " shards",
                       1);
    }
    if (const auto seen = pathOfShard.find(part.shard.shard); seen != pathOfShard.end())
      throw CliError("shard " + shard + " is given twice: " + InputName(seen->second) + " and " + InputName(path), 1);
    pathOfShard.emplace(part.shard.shard, path);
    parts.push_back(std::move(part));
  }
  if (empty.size() == 1)
    throw CliError(empty.front() + " is empty: the search of its shard wrote nothing; search that shard again", 1);
  if (!empty.empty())
    throw CliError(std::to_string(empty.size()) + " parts are empty: " + Listed(empty) +
                       ": the searches of their shards wrote nothing; search those shards again",
                   1);
  const int shards = parts.front().shard.shards;
  std::vector<std::string> missing;
  for (int shard = 1; shard <= shards; ++shard)
    if (!pathOfShard.count(shard)) missing.push_back(ShardName(shard, shards));
  if (!missing.empty())
    throw CliError((missing.size() == 1 ? "shard " + missing.front() + " is missing"
                                        : std::to_string(missing.size()) + " shards are missing: " + Listed(missing)),
                   1);
  std::sort(parts.begin(), parts.end(),
            [](const SearchShard& a, const SearchShard& b) { return a.shard.shard < b.shard.shard; });
  return parts;
}

}  // namespace

int RunMergeCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words, {"top", "threads", "out"}, {});
  if (arguments.positional.empty()) throw CliError("merge needs the part of every shard: PART.json ...");
  int standardInputs = 0;
  for (const std::string& path : arguments.positional) standardInputs += path == "-" ? 1 : 0;
  if (standardInputs > 1) throw CliError("merge reads at most one part from standard input");
  const int top = TopOption(arguments);
  const int threads = ThreadsOption(arguments);
  if (arguments.has("out")) RequireWritableTarget(arguments.value("out"));

  const std::vector<SearchShard> parts = CheckedShards(arguments.positional);
  const SearchShard& first = parts.front();
  // Every part's entries in ordinal order through the insertion rule fill the
  // list as the search over all candidates filled it.
  const CandidateSequence sequence(first.shape);
  const auto textOf = [&sequence](std::int64_t ordinal) { return EquationText(sequence.candidateAt(ordinal)); };
  SearchOutcome outcome;
  outcome.list = EquationList(first.criterion);
  outcome.candidateCount = first.candidates;
  std::int64_t examined = 0;
  for (const SearchShard& part : parts) {
    for (const ShardEntry& entry : part.entries)
      OfferBareEntry(outcome.list, entry.score, entry.score.merit(first.criterion), entry.ordinal, textOf);
    examined += part.examined;
    outcome.refusals += part.refusals;
  }
  CompleteBareEntries(outcome.list, sequence, threads);
  const std::string json = SearchJson(first.points, first.columns, first.shape, outcome, examined, top, first.weighted);
  // A file named by --out is written whole once the merge has succeeded,
  // never left empty or half written as a shell's redirection would be.
  if (!arguments.has("out")) {
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
  }
  const std::string& out = arguments.value("out");
  if (const Outcome<void> written =
          WriteFileAtomically(out, std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
      !written)
    throw CliError("cannot write " + InputName(out) + ": " + written.message().text, 1);
  return 0;
}

}  // namespace rv::cli
