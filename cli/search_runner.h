#pragma once

#include "regress/enumeration.h"
#include "regress/search_data.h"
#include "regress/search_outcome.h"

namespace rv::cli {

enum class SearchEngine { Fast, Reference };

// Runs a search on a worker thread while this thread draws the progress bar.
// Ctrl+C asks the search to stop; it then ends normally with what it found.
SearchOutcome RunSearchInForeground(const SearchData& data, const SearchShape& shape, SearchEngine engine,
                                    int threads, bool showProgress);

}  // namespace rv::cli
