#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "regress/candidate.h"
#include "regress/enumeration.h"
#include "regress/search_data.h"

namespace rv::testing {

// The fit and scoring of one candidate, written out the plain way from the
// rules, with nothing shared with the engine's fitting code. A rational
// candidate is fitted through its linearised design and scored by the value
// of its own equation.
struct LiteralFit {
  bool accepted = false;  // false: a guard failed somewhere
  std::vector<double> coefficients;
  double rSquared = 0.0;
};
LiteralFit LiteralFitCandidate(const SearchData& data, const Candidate& candidate);

// One entry of the displayed list.
struct LiteralEntry {
  double rSquared;
  std::int64_t ordinal;
  std::string text;
};

// The whole search done literally: every candidate fitted in ordinal order,
// the 1000-slot insertion rule, then the list sorted as the list view shows it.
std::vector<LiteralEntry> LiteralSearch(const SearchData& data, const SearchShape& shape,
                                        std::int64_t* insertions = nullptr);

}  // namespace rv::testing
