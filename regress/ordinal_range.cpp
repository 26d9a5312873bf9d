#include "regress/ordinal_range.h"

#include <algorithm>

namespace rv {

OrdinalRange ShardRange(std::int64_t total, int shard, int shards) {
  const std::int64_t size = total / shards;
  const std::int64_t larger = total % shards;  // the first parts take one more
  const std::int64_t before = static_cast<std::int64_t>(shard - 1);
  OrdinalRange range;
  range.first = before * size + std::min(before, larger) + 1;
  range.last = range.first + size + (before < larger ? 1 : 0) - 1;
  return range;
}

}  // namespace rv
