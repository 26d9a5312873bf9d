#pragma once

#include <cstdint>

#include "regress/enumeration.h"

namespace rv {

// Visits every candidate of a segment in order: visit(ordinal, candidate).
template <class Visit>
void WalkSegment(const SearchShape& shape, const Segment& segment, Visit&& visit) {
  if (segment.rational) {
    for (std::int64_t i = 0; i < segment.count; ++i)
      visit(segment.firstOrdinal + i, RationalCandidate(segment.set, shape.variables, segment.firstRank + i));
    return;
  }
  std::uint8_t subset[kMaxSearchVariables];
  UnrankSubset(shape.variables, segment.block.m, segment.firstRank, subset);
  for (std::int64_t i = 0; i < segment.count; ++i) {
    visit(segment.firstOrdinal + i, BlockCandidate(segment.pass, segment.block, subset));
    NextSubset(shape.variables, segment.block.m, subset);
  }
}

}  // namespace rv
