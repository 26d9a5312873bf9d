#pragma once

#include <cstdint>

#include "regress/enumeration.h"
#include "regress/equation_list.h"

namespace rv {

// What the Equations tab reports when a search has ended: the list it found,
// the shape its ordinals belong to, the sheet's counts they were found with,
// and the number of candidates in the whole sequence.
struct FinishedSearch {
  EquationList list;
  SearchShape shape;
  int pointCount = 0;
  int columnCount = 0;
  std::int64_t candidateCount = 0;
};

}  // namespace rv
