#include "cli/search_shard.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/fnv1a.h"
#include "cli/command_line.h"
#include "cli/json_reader.h"
#include "cli/json_text.h"
#include "regress/candidate.h"
#include "regress/sum_of_squares.h"
#include "regress/y_uncertainty.h"

namespace rv::cli {

namespace {

// The version of the part's layout, so that a later layout is refused
// rather than misread.
constexpr int kShardLayout = 2;
constexpr int kMaxShards = 1000000;

const JsonValue& Member(const JsonValue& object, const char* name, JsonValue::Kind kind) {
  const JsonValue* value = object.member(name);
  if (!value) throw JsonError(std::string("no \"") + name + "\"");
  if (value->kind != kind) throw JsonError(std::string("\"") + name + "\" is not of the right kind");
  return *value;
}

std::int64_t IntegerMember(const JsonValue& object, const char* name, std::int64_t low, std::int64_t high) {
  try {
    return JsonInteger(Member(object, name, JsonValue::Kind::Number), low, high);
  } catch (const JsonError& error) {
    throw JsonError(std::string("\"") + name + "\": " + error.what());
  }
}

double DoubleMember(const JsonValue& object, const char* name) {
  try {
    return JsonDouble(Member(object, name, JsonValue::Kind::Number));
  } catch (const JsonError& error) {
    throw JsonError(std::string("\"") + name + "\": " + error.what());
  }
}

// Sums that no search makes: a sum of squares below 0, an R squared
// (1 - ss_res / sst) above 1 or not above 0, which no list admits, or a
// criterion without a value.
void CheckSums(const ShardEntry& entry, RankingCriterion criterion) {
  const std::string which = "the entry of ordinal " + std::to_string(entry.ordinal) + ": ";
  if (!(entry.score.ssRes >= 0.0)) throw JsonError(which + "\"ss_res\" is below 0");
  if (!(entry.score.sst > 0.0)) throw JsonError(which + "\"sst\" is not above 0");
  double merit = 0.0;
  if (!(entry.score.ssRes < entry.score.sst))
    throw JsonError(which + "\"ss_res\" is not below \"sst\", so its R squared is not above 0");
  if (!MayEnterList(entry.score, criterion, merit))
    throw JsonError(which + "its sums give no " + RankingCriterionKey(criterion) + " to rank it by");
}

}  // namespace

ShardChoice ParseShardOption(const std::string& text) {
  const size_t slash = text.find('/');
  const std::string usage =
      "--shard must be K/N, part K of N with 1 <= K <= N <= " + std::to_string(kMaxShards) + ", not '" + text + "'";
  if (slash == std::string::npos) throw CliError(usage);
  ShardChoice choice;
  try {
    choice.shard = static_cast<int>(ParseInteger(text.substr(0, slash), "K", 1, kMaxShards));
    choice.shards = static_cast<int>(ParseInteger(text.substr(slash + 1), "N", 1, kMaxShards));
  } catch (const CliError&) {
    throw CliError(usage);
  }
  if (choice.shard > choice.shards) throw CliError(usage);
  return choice;
}

std::string SearchFingerprint(const SearchData& data, const SearchShape& shape, RankingCriterion criterion) {
  Fnv1a64Hash fingerprint;
  fingerprint.add(static_cast<std::uint64_t>(data.pointCount));
  fingerprint.add(static_cast<std::uint64_t>(data.columnCount));
  fingerprint.add(static_cast<std::uint64_t>(shape.maxTerms));
  for (const EquationSet set : kEquationSets) fingerprint.add(shape.sets[set] ? 1u : 0u);
  fingerprint.add(static_cast<std::uint64_t>(criterion));
  for (int row = 0; row < data.pointCount; ++row)
    for (int column = 0; column < data.columnCount; ++column)
      fingerprint.add(std::bit_cast<std::uint64_t>(data.values[static_cast<size_t>(row)][static_cast<size_t>(column)]));
  // An unweighted search keeps the fingerprint its parts have always had.
  if (data.weighted) {
    fingerprint.add(kSigmaColumn);
    for (int row = 0; row < data.pointCount; ++row)
      fingerprint.add(std::bit_cast<std::uint64_t>(data.values[static_cast<size_t>(row)][kSigmaColumn]));
  }
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(fingerprint.value()));
  return digits;
}

SearchShard MakeSearchShard(const SearchData& data, const SearchShape& shape, ShardChoice shard,
                            const SearchOutcome& outcome, std::int64_t examined) {
  SearchShard part;
  part.shard = shard;
  part.criterion = outcome.list.criterion();
  part.fingerprint = SearchFingerprint(data, shape, part.criterion);
  part.points = data.pointCount;
  part.columns = data.columnCount;
  part.shape = shape;
  part.candidates = outcome.candidateCount;
  part.range = ShardRange(outcome.candidateCount, shard.shard, shard.shards);
  part.examined = examined;
  part.stopped = outcome.stopped;
  part.weighted = data.weighted;
  part.refusals = outcome.refusals;
  for (const EquationRecord& record : outcome.list.entryLog()) part.entries.push_back({record.ordinal, record.score});
  return part;
}

void PrintSearchShard(const SearchShard& part) {
  std::printf(
      "{\n  \"search_part\": %d,\n  \"shard\": %d,\n  \"shards\": %d,\n  \"fingerprint\": %s,\n"
      "  \"points\": %d,\n  \"columns\": %d,\n  \"max_terms\": %d,\n  \"sets\": [",
      kShardLayout, part.shard.shard, part.shard.shards, JsonString(part.fingerprint).c_str(), part.points,
      part.columns, part.shape.maxTerms);
  bool first = true;
  for (EquationSet set : kEquationSets)
    if (part.shape.sets[set]) {
      std::printf("%s%d", first ? "" : ", ", EquationSetNumber(set));
      first = false;
    }
  std::printf("],\n  \"rank_by\": %s,\n", JsonString(RankingCriterionKey(part.criterion)).c_str());
  if (part.weighted) std::printf("  \"weighting\": %s,\n", JsonString(kWeightingText).c_str());
  std::printf(
      "  \"candidates\": %lld,\n  \"first_ordinal\": %lld,\n"
      "  \"last_ordinal\": %lld,\n  \"examined\": %lld,\n  \"stopped\": %s,\n  \"outside_range\": %lld,\n"
      "  \"cannot_be_resolved\": %lld,\n  \"entered\": [",
      static_cast<long long>(part.candidates), static_cast<long long>(part.range.first),
      static_cast<long long>(part.range.last), static_cast<long long>(part.examined), part.stopped ? "true" : "false",
      static_cast<long long>(part.refusals.outsideRange), static_cast<long long>(part.refusals.unresolved));
  for (size_t i = 0; i < part.entries.size(); ++i) {
    const ShardEntry& entry = part.entries[i];
    std::printf("%s\n    {\"ordinal\": %lld, \"ss_res\": %s, \"sst\": %s, \"k\": %d", i == 0 ? "" : ",",
                static_cast<long long>(entry.ordinal), JsonNumber(entry.score.ssRes).c_str(),
                JsonNumber(entry.score.sst).c_str(), entry.score.coefficients);
    // Sums of squares of a sheet far beyond 1e±150 are kept as a power of two
    // times the sums of scaled values.
    if (entry.score.squaresExponent != 0) std::printf(", \"squares_exponent\": %d", entry.score.squaresExponent);
    // The leave-one-out sum, kept by a search that ranks by it.
    if (std::isfinite(entry.score.press)) std::printf(", \"press\": %s", JsonNumber(entry.score.press).c_str());
    std::printf("}");
  }
  std::printf("%s]\n}\n", part.entries.empty() ? "" : "\n  ");
}

SearchShard ReadSearchShard(std::string_view text) {
  const JsonValue document = ParseJson(text);
  if (document.kind != JsonValue::Kind::Object) throw JsonError("not a JSON object");
  if (!document.member("search_part")) throw JsonError("it has no \"search_part\" member");
  if (IntegerMember(document, "search_part", 0, std::numeric_limits<int>::max()) != kShardLayout)
    throw JsonError("written by another version of the program (\"search_part\" is not " +
                    std::to_string(kShardLayout) + ")");
  SearchShard part;
  part.shard.shards = static_cast<int>(IntegerMember(document, "shards", 1, kMaxShards));
  part.shard.shard = static_cast<int>(IntegerMember(document, "shard", 1, part.shard.shards));
  part.fingerprint = Member(document, "fingerprint", JsonValue::Kind::String).text;
  part.points = static_cast<int>(IntegerMember(document, "points", 2, std::numeric_limits<int>::max()));
  part.columns = static_cast<int>(IntegerMember(document, "columns", 2, kMaxSearchVariables + 1));
  part.shape.variables = part.columns - 1;
  part.shape.maxTerms = static_cast<int>(IntegerMember(document, "max_terms", kMinMaxTerms, kMaxMaxTerms));
  part.shape.sets = {};
  const JsonValue& sets = Member(document, "sets", JsonValue::Kind::Array);
  if (sets.items.empty()) throw JsonError("\"sets\" is empty");
  for (const JsonValue& set : sets.items)
    part.shape.sets[*EquationSetFromNumber(static_cast<int>(JsonInteger(set, 1, kSetCount)))] = true;
  const std::string& rankBy = Member(document, "rank_by", JsonValue::Kind::String).text;
  const auto criterion = RankingCriterionFromKey(rankBy);
  if (!criterion) throw JsonError("\"rank_by\" is not r2, adj-r2, aicc, bic or pred-r2");
  part.criterion = *criterion;
  if (document.member("weighting")) {
    if (Member(document, "weighting", JsonValue::Kind::String).text != kWeightingText)
      throw JsonError("\"weighting\" is not " + JsonString(kWeightingText));
    part.weighted = true;
  }
  part.candidates = IntegerMember(document, "candidates", 0, std::numeric_limits<std::int64_t>::max());
  if (part.candidates != CountCandidates(part.shape))
    throw JsonError("\"candidates\" is not the count of the search's candidates");
  part.range = ShardRange(part.candidates, part.shard.shard, part.shard.shards);
  if (IntegerMember(document, "first_ordinal", 0, std::numeric_limits<std::int64_t>::max()) != part.range.first ||
      IntegerMember(document, "last_ordinal", 0, std::numeric_limits<std::int64_t>::max()) != part.range.last)
    throw JsonError("its ordinals are not those of shard " + std::to_string(part.shard.shard) + "/" +
                    std::to_string(part.shard.shards));
  part.examined = IntegerMember(document, "examined", 0, part.range.count());
  part.stopped = Member(document, "stopped", JsonValue::Kind::Boolean).boolean;
  if (!part.stopped && part.examined != part.range.count())
    throw JsonError("\"examined\" is not the count of its ordinals, yet it was not stopped");
  part.refusals.outsideRange = IntegerMember(document, "outside_range", 0, part.range.count());
  part.refusals.unresolved = IntegerMember(document, "cannot_be_resolved", 0, part.range.count());
  std::int64_t previous = part.range.first - 1;
  for (const JsonValue& item : Member(document, "entered", JsonValue::Kind::Array).items) {
    if (item.kind != JsonValue::Kind::Object) throw JsonError("an entry of \"entered\" is not an object");
    ShardEntry entry;
    entry.ordinal = IntegerMember(item, "ordinal", previous + 1, part.range.last);
    entry.score.ssRes = DoubleMember(item, "ss_res");
    entry.score.sst = DoubleMember(item, "sst");
    entry.score.points = part.points;
    entry.score.coefficients = static_cast<int>(IntegerMember(item, "k", 1, kMaxCandidateColumns));
    if (item.member("squares_exponent"))
      entry.score.squaresExponent =
          static_cast<int>(IntegerMember(item, "squares_exponent", -kMaxSquaresExponent, kMaxSquaresExponent));
    if (item.member("press")) entry.score.press = DoubleMember(item, "press");
    CheckSums(entry, part.criterion);
    part.entries.push_back(entry);
    previous = entry.ordinal;
  }
  return part;
}

}  // namespace rv::cli
