#pragma once

#include <cstdint>

#include "regress/equation_list.h"
#include "regress/refusal_count.h"

namespace rv {

// What a search leaves behind: the list it found and the number of
// candidates in the whole sequence (the final candidate counter, even when
// the search was stopped early).
struct SearchOutcome {
  EquationList list;
  std::int64_t candidateCount = 0;
  bool stopped = false;
  RefusalCount refusals;
};

}  // namespace rv
