#pragma once

#include <optional>

#include "regress/enumeration.h"
#include "regress/exact_score.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"

namespace rv {

// The search on several threads, giving the very list the one-by-one search
// gives. The ordinals are cut into chunks that the threads take in order.
// Each thread keeps every candidate that could enter the list as far as it
// can tell (its bound never exceeds the true entry threshold), and finished
// chunks are replayed in ordinal order through the one insertion rule.
struct FastSearchOptions {
  explicit FastSearchOptions(int threadCount = 1) : threads(threadCount) {}
  int threads;
  std::int64_t chunkSize = 1 << 16;  // candidates a thread takes at a time
  std::optional<VectorWidth> vectors;  // the processor's widest when not given
};

SearchOutcome RunFastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options,
                            SearchMonitor& monitor);

}  // namespace rv
