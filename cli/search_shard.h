#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "regress/enumeration.h"
#include "regress/ordinal_range.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_outcome.h"

namespace rv::cli {

// --shard K/N: shard K of N.
struct ShardChoice {
  int shard = 1;
  int shards = 1;
};

// Reads "K/N" with 1 <= K <= N; CliError (status 2) otherwise.
ShardChoice ParseShardOption(const std::string& text);

// One candidate that entered a shard's list, in the order it entered.
struct ShardEntry {
  std::int64_t ordinal = 0;
  ResidualScore score;
};

// What `search --shard K/N --json` writes and `merge` reads back: one shard
// of a search, with what tells it apart from shards of other searches and
// every number written so that it reads back to the same bits. Its entry log
// is the shard's whole contribution: a candidate that did not enter the
// shard's own list cannot enter the list of the whole search either, which
// holds all the shard saw and more.
struct SearchShard {
  ShardChoice shard;
  std::string fingerprint;  // of the data values and the options below
  int points = 0;
  int columns = 0;
  SearchShape shape;
  RankingCriterion criterion = RankingCriterion::RSquared;
  std::int64_t candidates = 0;  // in the whole sequence
  OrdinalRange range;           // the shard's ordinals
  std::int64_t examined = 0;
  bool stopped = false;
  bool weighted = false;  // every fit weighted by the sigma of Y in X16
  RefusalCount refusals;  // of the first copies of candidates within the range, so that shards add up
  std::vector<ShardEntry> entries;
};

// 16 hex digits that change with any value taking part in the search, with
// the number of points and columns, Maximum Terms, the sets and the criterion,
// and, for a weighted search, with the weighting and every sigma.
std::string SearchFingerprint(const SearchData& data, const SearchShape& shape, RankingCriterion criterion);

// What a search of this shard left in its outcome (a search given the
// shard's range, so that its list kept its entry log).
SearchShard MakeSearchShard(const SearchData& data, const SearchShape& shape, ShardChoice shard,
                            const SearchOutcome& outcome, std::int64_t examined);

void PrintSearchShard(const SearchShard& part);

// Reads a shard back and checks that it holds together (its counts, its
// range, its entries in order within it); JsonError naming the fault.
SearchShard ReadSearchShard(std::string_view text);

}  // namespace rv::cli
