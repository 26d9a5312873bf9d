#pragma once

#include <cstdint>
#include <optional>

#include "regress/enumeration.h"
#include "regress/ordinal_range.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_outcome.h"

namespace rv::cli {

enum class SearchEngine { Fast, Reference };

// The exit status of a search stopped by Ctrl+C, as shells give a program
// ended by SIGINT.
inline constexpr int kInterruptedStatus = 130;

struct ForegroundSearch {
  SearchOutcome outcome;
  std::int64_t examined = 0;  // candidates fitted before the search ended or was stopped
  bool interrupted = false;   // Ctrl+C stopped it
};

// Runs a search on a worker thread while this thread draws the progress bar.
// Ctrl+C asks the search to stop; it then ends normally with what it found.
// Given a part, it examines only that part of the sequence.
ForegroundSearch RunSearchInForeground(const SearchData& data, const SearchShape& shape, RankingCriterion criterion,
                                       SearchEngine engine, int threads, std::optional<OrdinalRange> part,
                                       bool showProgress);

}  // namespace rv::cli
