#pragma once

#include <array>
#include <string>

#include "base/expect.h"
#include "regress/term_kind.h"
#include "sheet/equation_set.h"

namespace rv {

inline constexpr int kMaxCandidateTerms = 19;  // plus the constant
inline constexpr int kMaxCandidateColumns = kMaxCandidateTerms + 1;

// More coefficients than points have no single solution: such a fit passes
// through every point by accident of the elimination and its R squared of 1
// says nothing, so it never enters the list. As many coefficients as points
// (a line through two points) is an exact fit and may.
inline constexpr bool CanEnterList(int coefficientCount, int pointCount) { return coefficientCount <= pointCount; }

// One candidate equation: its set (the Y form) and its term columns in
// column order; the constant column follows the terms.
struct Candidate {
  EquationSet set = EquationSet::Y;
  bool rational = false;
  int termCount = 0;
  std::array<Term, kMaxCandidateTerms> terms{};

  void add(Term term) {
    RV_EXPECT(termCount < kMaxCandidateTerms);
    terms[termCount++] = term;
  }
  friend bool operator==(const Candidate& a, const Candidate& b) {
    if (a.set != b.set || a.rational != b.rational || a.termCount != b.termCount) return false;
    for (int j = 0; j < a.termCount; ++j)
      if (!(a.terms[j] == b.terms[j])) return false;
    return true;
  }
};

// The display text: the Y form's head, every term, then the constant's
// letter (or three blanks after a rational form).
std::string EquationText(const Candidate& candidate);

// True when a term can never be built (a two-variable kind without its
// second variable); such candidates keep their ordinal but are always dropped.
bool CandidateAlwaysFaults(const Candidate& candidate);

}  // namespace rv
