#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "regress/candidate.h"
#include "regress/enumeration.h"
#include "regress/ranking_criterion.h"
#include "regress/refusal_count.h"
#include "regress/search_data.h"

namespace rv::testing {

// The fit and scoring of one candidate, written out the plain way, with
// nothing shared with the engine's fitting code: columns and the transformed
// Y standardised, modified Gram-Schmidt on unnormalised columns with a second
// pass where needed and the rank test, back substitution, scoring with the
// back transform. A
// rational candidate is fitted through its linearised design and scored by
// the value of its own equation. With data.weighted every fit is weighted by
// 1 / sigma^2, sigma of Y in X16 carried through the Y form to first order,
// and the sums are weighted by 1 / sigma^2 of Y; PRESS sums the squared
// leave-one-out residuals from the hat values (not a number for a rational
// candidate or a point whose hat value is within 1e-10 of 1).
struct LiteralFit {
  bool inRange = false;   // false: a guard failed somewhere
  bool resolved = false;  // false: out of range, more coefficients than points, or refused by the rank test
  std::vector<double> coefficients;
  double ssRes = 0.0;
  double sst = 0.0;  // about the mean, in two passes
  double rSquared = 0.0;
  double press = 0.0;
  int squaresExponent = 0;  // the sums are of values times 2^-squaresExponent
};
LiteralFit LiteralFitCandidate(const SearchData& data, const Candidate& candidate);

// The criterion's value of a literal fit with N points and k coefficients,
// not a number where it is undefined, and whether larger is better.
double LiteralCriterion(RankingCriterion criterion, const LiteralFit& fit, int n, int k);

// One entry of the displayed list.
struct LiteralEntry {
  double rSquared;
  double criterion;  // the ranking criterion's value
  std::int64_t ordinal;
  std::string text;
};

// The whole search done literally: every candidate fitted in ordinal order,
// the 1000-slot insertion rule by the criterion over different equation
// texts, then the list sorted as the list view shows it. `refusals`, when
// given, counts the refused candidates of every pass made for the first time
// in its set.
std::vector<LiteralEntry> LiteralSearch(const SearchData& data, const SearchShape& shape,
                                        std::int64_t* insertions = nullptr,
                                        RankingCriterion criterion = RankingCriterion::RSquared,
                                        RefusalCount* refusals = nullptr);

}  // namespace rv::testing
