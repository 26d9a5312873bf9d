#include "regress/reference_search.h"

#include "regress/fit_workspace.h"
#include "regress/walk.h"

namespace rv {

SearchOutcome RunReferenceSearch(const SearchData& data, const SearchShape& shape, SearchMonitor& monitor,
                                 RankingCriterion criterion) {
  SearchOutcome outcome;
  outcome.list = EquationList(criterion);
  const CandidateSequence sequence(shape);
  const auto textOf = [&sequence](std::int64_t ordinal) { return EquationText(sequence.candidateAt(ordinal)); };
  outcome.candidateCount = sequence.count();
  monitor.setTotal(outcome.candidateCount);
  FitWorkspace workspace;
  for (EquationSet set : kEquationSets) {
    const SetRange& range = sequence.setRanges()[set];
    if (!shape.sets[set]) continue;
    if (monitor.stopRequested()) break;
    monitor.announce({set, false});
    for (const Segment& segment : sequence.segmentsBetween(range.first, range.first + range.count - 1)) {
      if (monitor.stopRequested()) break;
      WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
        if (!CanEnterList(candidate.termCount + 1, data.pointCount)) return;
        BuildCandidate(workspace, data, candidate);
        if (!FitCandidate(workspace, ordinal)) return;
        ScoreCandidate(workspace);
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
