#pragma once

#include <optional>

#include "regress/column_bank.h"
#include "regress/enumeration.h"
#include "regress/ordinal_range.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"
#include "regress/vector_width.h"

namespace rv {

// The search on several threads, giving the very list the one-by-one search
// gives. The ordinals are cut into chunks that the threads take in order.
// Each thread keeps every candidate that could enter the list as far as it
// can tell (its bound never exceeds the list's true lowest merit), and finished
// chunks are replayed in ordinal order through the one insertion rule.
// Candidates that share their first columns share the work on them
// (regress/block_group.h), and a pass that a set makes again is not fitted
// again where its first copy lies in the examined range: none of its
// candidates could enter the list.
struct FastSearchOptions {
  explicit FastSearchOptions(int threadCount = 1) : threads(threadCount) {}
  int threads;
  // Candidates a thread takes at a time, at most. A chunk's edge cuts the
  // walk of the pass it falls in, and each piece does the shared work on
  // the pass's first columns again; passes whose candidates reach many
  // variables hold tens of thousands of candidates, so chunks of millions
  // cut few.
  std::int64_t chunkSize = 1 << 22;
  std::optional<VectorWidth> vectors;                       // the processor's widest when not given
  RankingCriterion criterion = RankingCriterion::RSquared;  // what the list ranks by
  // Only this part of the sequence, its list keeping its entry log; the
  // whole sequence when not given.
  std::optional<OrdinalRange> part;
  // The most bytes a column bank stores of the columns it can make again
  // (regress/column_bank.h).
  double storedBankBytes = ColumnBank::kStoredBytes;
};

SearchOutcome RunFastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options,
                            SearchMonitor& monitor);

}  // namespace rv
