#pragma once

#include <optional>

#include "regress/enumeration.h"
#include "regress/ordinal_range.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"

namespace rv {

// The search done the straightforward way, one candidate after another on
// one thread: every candidate is built column by column, fitted by the
// orthogonal factorisation of its standardised columns and scored (a pass
// made again is skipped where its first copy was examined). Slow, but it is the yardstick the fast search
// is measured and checked against. The list ranks by the criterion. Given a
// part, it examines only that part of the sequence, and its list keeps its
// entry log.
SearchOutcome RunReferenceSearch(const SearchData& data, const SearchShape& shape, SearchMonitor& monitor,
                                 RankingCriterion criterion = RankingCriterion::RSquared,
                                 std::optional<OrdinalRange> part = std::nullopt);

}  // namespace rv
