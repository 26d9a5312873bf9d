#pragma once

#include "regress/exact_score.h"
#include "sheet/expect.h"

namespace rv {

// The widest vectors hold eight doubles: at most eight candidates side by side.
inline constexpr int kMaxBatchLanes = 8;

// Candidates solved side by side with these vectors: one per lane.
int BatchLanes(VectorWidth width);

// Candidates of one set with the same number of columns. Each candidate's
// column ids are its terms, then the constant: ids[j][l] is column j of
// candidate l (so that a candidate is put in with single stores, which the
// reads of its columns just written can take straight from the processor's
// store queue).
struct CandidateBatch {
  int columns = 0;  // m, the same for every candidate of the batch
  int size = 0;     // candidates held, at most the lanes of the vectors
  int ids[kMaxCandidateColumns][kMaxBatchLanes];

  void put(int lane, const int* columnIds) {
    RV_EXPECT(lane >= 0 && lane < kMaxBatchLanes);
    RV_EXPECT(columns >= 1 && columns <= kMaxCandidateColumns);
    for (int j = 0; j < columns; ++j) ids[j][lane] = columnIds[j];
  }
};

// What the batch found for each of its candidates, in batch order.
struct BatchVerdict {
  bool above[kMaxBatchLanes];
  EntryScore score[kMaxBatchLanes];  // set where above
  int handedOver = 0;                // candidates whose residual pass the one-candidate path finished
};

// Room for the normal equations, coefficients and squared residuals of a
// batch, lane by lane, made once per thread and search for a sheet of up to
// `points` points. The right-hand side is column m of the normal matrix,
// whose entry (r, c) of lane l sits at (r (m + 1) + c) lanes + l.
struct BatchScratch {
  explicit BatchScratch(int points = kSheetRows)
      : squares((static_cast<size_t>(points) + kPointBlock) * kMaxBatchLanes), single(points) {}

  int pointCapacity() const { return single.pointCapacity(); }

  alignas(64) double normal[kMaxCandidateColumns * (kMaxCandidateColumns + 1) * kMaxBatchLanes];
  alignas(64) double coefficients[kMaxCandidateColumns * kMaxBatchLanes];
  std::vector<double> squares;  // by scoring position, then lane
  ScoreScratch single;          // for a candidate handed to the one-candidate path
};

// ScoreAboveThreshold for every candidate of the batch at once, one
// candidate per lane: the same operations in the same order, lane by lane,
// so each verdict and score is the one-candidate path's to the bit. A
// lane whose running residual sum rules its candidate out is masked; the
// costly back transforms run only for lanes still alive. When few lanes are
// left, their residual passes go on in the one-candidate path.
void ScoreBatchAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const CandidateBatch& batch,
                              const EntryTest& test, VectorWidth width, BatchScratch& scratch, BatchVerdict& verdict);

}  // namespace rv
