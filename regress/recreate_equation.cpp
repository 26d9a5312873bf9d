#include "regress/recreate_equation.h"

namespace rv {

bool RecreateEquation(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape,
                      std::int64_t ordinal) {
  const CandidateSequence sequence(shape);
  if (ordinal < 1 || ordinal > sequence.count()) return false;
  BuildCandidate(workspace, data, sequence.candidateAt(ordinal));
  if (!FitCandidate(workspace, ordinal)) return false;
  ScoreCandidate(workspace);
  return true;
}

}  // namespace rv
