#include "regress/reference_search.h"

#include <algorithm>
#include <vector>

#include "regress/fit_workspace.h"
#include "regress/scoring_order.h"
#include "regress/walk.h"

namespace rv {

SearchOutcome RunReferenceSearch(const SearchData& data, const SearchShape& shape, SearchMonitor& monitor,
                                 RankingCriterion criterion, std::optional<OrdinalRange> part) {
  SearchOutcome outcome;
  outcome.list = EquationList(criterion);
  if (part) outcome.list.keepEntryLog();
  const CandidateSequence sequence(shape);
  const auto textOf = [&sequence](std::int64_t ordinal) { return EquationText(sequence.candidateAt(ordinal)); };
  outcome.candidateCount = sequence.count();
  const OrdinalRange examined = part.value_or(OrdinalRange{1, outcome.candidateCount});
  monitor.setTotal(examined.count());
  FitWorkspace workspace;
  const std::vector<int> scoringOrder = ScoringOrder(data);
  RefusalCount& count = outcome.refusals;
  for (EquationSet set : kEquationSets) {
    const SetRange& range = sequence.setRanges()[set];
    const std::int64_t first = std::max(range.first, examined.first);
    const std::int64_t last = std::min(range.first + range.count - 1, examined.last);
    if (!shape.sets[set] || first > last) continue;
    if (monitor.stopRequested()) break;
    monitor.announce({set, false});
    for (const Segment& segment : sequence.segmentsBetween(first, last)) {
      if (monitor.stopRequested()) break;
      // A pass made again whose first copy was examined holds nothing new.
      const bool countsRefusals = segment.repeatShift == 0;
      WalkSegment(shape, ExaminedPart(segment, examined.first), [&](std::int64_t ordinal, const Candidate& candidate) {
        BuildCandidate(workspace, data, candidate, &scoringOrder);
        if (!FitCandidate(workspace, ordinal)) {
          if (!countsRefusals) return;
          if (workspace.verdict == FitVerdict::OutsideRange) ++count.outsideRange;
          else ++count.unresolved;
          return;
        }
        ++count.fitted;
        ScoreCandidate(workspace, criterion == RankingCriterion::PredictedRSquared);
        double merit = 0.0;
        if (!MayEnterList(workspace.lastScore, criterion, merit)) return;
        const int slot = outcome.list.chooseSlot(merit);
        if (slot < 0 || outcome.list.holdsEquation(merit, ordinal, textOf)) return;
        outcome.list.insert(slot, MakeRankedRecord(workspace.lastScore, criterion, ordinal, workspace.text));
      });
      monitor.addDone(segment.count);
    }
    if (monitor.stopRequested()) break;
    monitor.announce({set, true});
  }
  outcome.stopped = monitor.stopRequested();
  return outcome;
}

}  // namespace rv
