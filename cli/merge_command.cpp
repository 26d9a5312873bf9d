#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/json_reader.h"
#include "cli/search_json.h"
#include "cli/search_options.h"
#include "cli/search_part.h"
#include "regress/bare_entry.h"

namespace rv::cli {

namespace {

// The whole text of a part; "-" is standard input.
std::string ReadPartText(const std::string& path) {
  // A file is closed however the reading ends; standard input stays open.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> opened(nullptr, [](std::FILE* f) { return std::fclose(f); });
  if (path != "-") {
    opened.reset(std::fopen(path.c_str(), "rb"));
    if (!opened) throw CliError("cannot open " + InputName(path) + ": " + std::strerror(errno), 1);
  }
  std::FILE* file = opened ? opened.get() : stdin;
  std::string text;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, read);
  if (std::ferror(file)) throw CliError("cannot read " + InputName(path) + ": " + std::strerror(errno), 1);
  return text;
}

bool SameOptions(const SearchPart& a, const SearchPart& b) {
  return a.points == b.points && a.columns == b.columns && a.shape.maxTerms == b.shape.maxTerms &&
         a.shape.sets == b.shape.sets && a.criterion == b.criterion;
}

std::string ShardName(int shard, int shards) { return std::to_string(shard) + "/" + std::to_string(shards); }

// The parts of one search by shard, each shard there exactly once: a part of
// another search or data, a repeated shard or a missing one is refused.
std::vector<SearchPart> CheckedParts(const std::vector<std::string>& paths) {
  std::vector<SearchPart> parts;
  std::map<int, std::string> pathOfShard;
  for (const std::string& path : paths) {
    SearchPart part;
    try {
      part = ReadSearchPart(ReadPartText(path));
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
      const SearchPart& first = parts.front();
      if (part.fingerprint != first.fingerprint)
        throw CliError(InputName(path) + " is a part of another search than " + InputName(paths.front()) + ": " +
                           (SameOptions(part, first) ? "other data" : "other search options"),
                       1);
      if (part.shard.shards != first.shard.shards)
        throw CliError(InputName(path) + " is shard " + shard + ", but " + InputName(paths.front()) +
                           " cuts the search into " + std::to_string(first.shard.shards) + " shards",
                       1);
    }
    if (const auto seen = pathOfShard.find(part.shard.shard); seen != pathOfShard.end())
      throw CliError("shard " + shard + " is given twice: " + InputName(seen->second) + " and " + InputName(path), 1);
    pathOfShard.emplace(part.shard.shard, path);
    parts.push_back(std::move(part));
  }
  const int shards = parts.front().shard.shards;
  std::string missing;
  int missingCount = 0;
  for (int shard = 1; shard <= shards; ++shard)
    if (!pathOfShard.count(shard) && ++missingCount <= 10)
      missing += (missing.empty() ? "" : ", ") + ShardName(shard, shards);
  if (missingCount > 0)
    throw CliError((missingCount == 1 ? "shard " + missing + " is missing"
                                      : std::to_string(missingCount) + " shards are missing: " + missing +
                                            (missingCount > 10 ? " ..." : "")),
                   1);
  std::sort(parts.begin(), parts.end(),
            [](const SearchPart& a, const SearchPart& b) { return a.shard.shard < b.shard.shard; });
  return parts;
}

}  // namespace

int RunMergeCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words, {"top", "threads"}, {});
  if (arguments.positional.empty()) throw CliError("merge needs the part of every shard: PART.json ...");
  int standardInputs = 0;
  for (const std::string& path : arguments.positional) standardInputs += path == "-" ? 1 : 0;
  if (standardInputs > 1) throw CliError("merge reads at most one part from standard input");
  const int top = TopOption(arguments);
  const int threads = ThreadsOption(arguments);

  const std::vector<SearchPart> parts = CheckedParts(arguments.positional);
  const SearchPart& first = parts.front();
  // Every part's entries in ordinal order through the insertion rule fill the
  // list as the search over all candidates filled it.
  const CandidateSequence sequence(first.shape);
  const auto textOf = [&sequence](std::int64_t ordinal) { return EquationText(sequence.candidateAt(ordinal)); };
  SearchOutcome outcome;
  outcome.list = EquationList(first.criterion);
  outcome.candidateCount = first.candidates;
  std::int64_t examined = 0;
  for (const SearchPart& part : parts) {
    for (const PartEntry& entry : part.entries)
      OfferBareEntry(outcome.list, entry.score, entry.score.merit(first.criterion), entry.ordinal, textOf);
    examined += part.examined;
    outcome.refusals += part.refusals;
  }
  CompleteBareEntries(outcome.list, sequence, threads);
  PrintSearchJson(first.points, first.columns, first.shape, outcome, examined, top);
  return 0;
}

}  // namespace rv::cli
