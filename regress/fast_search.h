#pragma once

#include <optional>

#include "regress/enumeration.h"
#include "regress/exact_score.h"
#include "regress/ordinal_range.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"

namespace rv {

// The search on several threads, giving the very list the one-by-one search
// gives. The ordinals are cut into chunks that the threads take in order.
// Each thread keeps every candidate that could enter the list as far as it
// can tell (its bound never exceeds the list's true lowest merit), and finished
// chunks are replayed in ordinal order through the one insertion rule.
struct FastSearchOptions {
  explicit FastSearchOptions(int threadCount = 1) : threads(threadCount) {}
  int threads;
  std::int64_t chunkSize = 1 << 16;    // candidates a thread takes at a time
  std::optional<VectorWidth> vectors;  // the processor's widest when not given
  // Candidates of the same number of columns solved side by side, one per
  // vector lane: 1 up to the lanes of the vectors (all of them when not
  // given). 0 solves each candidate on its own, the path a batch is checked
  // against.
  std::optional<int> batchSize;
  RankingCriterion criterion = RankingCriterion::RSquared;  // what the list ranks by
  // Only this part of the sequence, its list keeping its entry log; the
  // whole sequence when not given.
  std::optional<OrdinalRange> part;
};

// How the fitted candidates of the kind passes were settled. Candidates that
// a faulted or repeated column or too few points rule out are not fitted at
// all, and the few rational ones go through the plain fit.
struct KernelTally {
  std::int64_t inBatches = 0;   // solved side by side
  std::int64_t handedOver = 0;  // of those, residual pass finished by the one-candidate path
  std::int64_t alone = 0;       // solved and scored one at a time

  std::int64_t settledInBatches() const { return inBatches - handedOver; }
  std::int64_t fitted() const { return inBatches + alone; }
};

// `tally`, when given, learns how the candidates were settled.
SearchOutcome RunFastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options,
                            SearchMonitor& monitor, KernelTally* tally = nullptr);

}  // namespace rv
