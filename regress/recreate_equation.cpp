#include "regress/recreate_equation.h"

namespace rv {

bool RecreateEquation(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape,
                      std::int64_t ordinal) {
  if (ordinal < 1 || ordinal > CountCandidates(shape)) return false;
  BuildCandidate(workspace, data, CandidateAt(shape, ordinal));
  if (!FitCandidate(workspace, ordinal)) return false;
  ScoreCandidate(workspace);
  return true;
}

}  // namespace rv
