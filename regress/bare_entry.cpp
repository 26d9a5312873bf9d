#include "regress/bare_entry.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace rv {

void OfferBareEntry(EquationList& list, const ResidualScore& score, double merit, std::int64_t ordinal,
                    const std::function<std::string(std::int64_t)>& textOf) {
  const int slot = list.chooseSlot(merit);
  if (slot < 0 || list.holdsEquation(merit, ordinal, textOf)) return;
  EquationRecord bare;
  bare.score = score;
  bare.rSquared = score.rSquared();
  bare.merit = merit;
  bare.ordinal = ordinal;
  list.insert(slot, std::move(bare));
}

void CompleteBareEntries(EquationList& list, const CandidateSequence& sequence, int threads) {
  std::vector<std::jthread> writers;
  const int workers = std::max(1, threads);
  writers.reserve(static_cast<size_t>(workers));
  for (int t = 0; t < workers; ++t)
    writers.emplace_back([&list, &sequence, t, workers] {
      for (int slot = t; slot < list.size(); slot += workers) {
        const EquationRecord& entry = list.slot(slot);
        list.completeSlot(slot, MakeRankedRecord(entry.score, list.criterion(), entry.ordinal,
                                                 EquationText(sequence.candidateAt(entry.ordinal))));
      }
    });
}

}  // namespace rv
