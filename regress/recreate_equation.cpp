#include "regress/recreate_equation.h"

namespace rv {

namespace {

// The counts a list was found with travel in the data file, and the sheet
// can have been edited since: a cell emptied among the points would be
// fitted as the number that marks an empty cell.
bool ReadsOnlyFilledCells(const SearchData& data, const Candidate& candidate) {
  for (int point = 0; point < data.pointCount; ++point) {
    const auto& row = data.values[static_cast<size_t>(point)];
    if (IsEmptyValue(row[0])) return false;
    for (int j = 0; j < candidate.termCount; ++j) {
      const Term& term = candidate.terms[static_cast<size_t>(j)];
      if (IsEmptyValue(row[static_cast<size_t>(term.variable)])) return false;
      if (UsesSecondVariable(term.kind) && IsEmptyValue(row[static_cast<size_t>(term.variable2)])) return false;
    }
  }
  return true;
}

}  // namespace

bool RecreateEquation(FitWorkspace& workspace, const SearchData& data, const SearchShape& shape, std::int64_t ordinal) {
  const CandidateSequence sequence(shape);
  if (ordinal < 1 || ordinal > sequence.count()) return false;
  const Candidate candidate = sequence.candidateAt(ordinal);
  if (!ReadsOnlyFilledCells(data, candidate)) return false;
  BuildCandidate(workspace, data, candidate);
  if (!FitCandidate(workspace, ordinal)) return false;
  ScoreCandidate(workspace);
  return true;
}

}  // namespace rv
