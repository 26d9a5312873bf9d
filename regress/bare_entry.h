#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "regress/enumeration.h"
#include "regress/equation_list.h"

namespace rv {

// Offers a candidate to the list by its insertion rule as a bare record: its
// score, merit and ordinal, without texts, which are written at the end for
// the entries that stay. Candidates must come in ordinal order, each already
// admitted by MayEnterList; textOf(ordinal) gives any ordinal's equation
// text.
void OfferBareEntry(EquationList& list, const ResidualScore& score, double merit, std::int64_t ordinal,
                    const std::function<std::string(std::int64_t)>& textOf);

// Puts the full record of every entry in its slot, with the texts of its
// ordinal in this sequence, each of `threads` threads writing its own slots.
void CompleteBareEntries(EquationList& list, const CandidateSequence& sequence, int threads);

}  // namespace rv
