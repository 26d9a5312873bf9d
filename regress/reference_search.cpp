#include "regress/reference_search.h"

#include "regress/fit_workspace.h"
#include "regress/walk.h"

namespace rv {

SearchOutcome RunReferenceSearch(const SearchData& data, const SearchShape& shape, SearchMonitor& monitor) {
  SearchOutcome outcome;
  const CandidateSequence sequence(shape);
  outcome.candidateCount = sequence.count();
  monitor.setTotal(outcome.candidateCount);
  FitWorkspace workspace;
  for (int set = 1; set <= kSetCount; ++set) {
    const SetRange& range = sequence.setRanges()[static_cast<size_t>(set - 1)];
    if (!shape.sets[static_cast<size_t>(set - 1)]) continue;
    if (monitor.stopRequested()) break;
    monitor.announce({set, false});
    for (const Segment& segment : sequence.segmentsBetween(range.first, range.first + range.count - 1)) {
      if (monitor.stopRequested()) break;
      WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
        if (!CanEnterList(candidate.termCount + 1, data.pointCount)) return;
        BuildCandidate(workspace, data, candidate);
        if (!FitCandidate(workspace, ordinal)) return;
        const double rSquared = ScoreCandidate(workspace);
        const int slot = outcome.list.chooseSlot(rSquared);
        if (slot >= 0) outcome.list.insert(slot, MakeEquationRecord(rSquared, ordinal, workspace.text));
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
