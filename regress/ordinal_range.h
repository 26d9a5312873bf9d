#pragma once

#include <cstdint>

namespace rv {

// The stretch of the candidate sequence a search examines: ordinals first to
// last. Empty when last < first.
struct OrdinalRange {
  std::int64_t first = 1;
  std::int64_t last = 0;

  std::int64_t count() const { return last >= first ? last - first + 1 : 0; }
  friend bool operator==(const OrdinalRange&, const OrdinalRange&) = default;
};

// Part `shard` of `shards` (1 <= shard <= shards) of the ordinals 1 to total:
// the parts follow one another and their sizes differ by at most one, the
// larger ones first, so that separate runs over all parts examine every
// candidate exactly once.
OrdinalRange ShardRange(std::int64_t total, int shard, int shards);

}  // namespace rv
