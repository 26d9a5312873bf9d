#pragma once

#include <cstdint>
#include <string>

#include "regress/enumeration.h"
#include "regress/search_outcome.h"

namespace rv::cli {

// The JSON document of a search: the data's counts, the search's shape and
// criterion, its counters (the candidates refused as outside a range or as
// unresolvable counted apart) and the best `top` entries of its list, every
// number with 17 significant digits. A merge of a search's parts writes it
// too, byte for byte as one search over all candidates would.
// A weighted search says "weighting", and a list ranked by predicted R
// squared gives each entry's.
std::string SearchJson(int points, int columns, const SearchShape& shape, const SearchOutcome& outcome,
                       std::int64_t examined, int top, bool weighted = false);

}  // namespace rv::cli
