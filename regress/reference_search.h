#pragma once

#include "regress/enumeration.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"

namespace rv {

// The search done the straightforward way, one candidate after another on
// one thread: every candidate is built column by column, fitted through its
// normal equations and scored. Slow, but it is the yardstick the fast search
// is measured and checked against. The list ranks by the criterion.
SearchOutcome RunReferenceSearch(const SearchData& data, const SearchShape& shape, SearchMonitor& monitor,
                                 RankingCriterion criterion = RankingCriterion::RSquared);

}  // namespace rv
