#pragma once

#include "regress/candidate.h"
#include "regress/column_bank.h"

namespace rv {

// Room for one candidate's normal equations and fitted values.
struct ScoreScratch {
  alignas(64) double normal[kMaxCandidateColumns][kMaxCandidateColumns + 4];
  alignas(64) double rightHandSide[kMaxCandidateColumns + 4];
  alignas(64) double coefficients[kMaxCandidateColumns + 4];
  alignas(64) double squares[kSheetRows + 8];  // squared residuals, in scoring order
};

// The entry threshold a candidate of one set must beat, and the residual sum
// of squares at which that becomes impossible. R squared is 1 - ssRes / D
// with D > 0, which only falls as ssRes grows, so a residual sum over some of
// the points that reaches the limit (with a margin for the rounding of a sum
// taken in another order) already rules the candidate out.
struct EntryTest {
  EntryTest() = default;
  EntryTest(double threshold, double denominator);
  double threshold = -1.0;
  double denominator = 0.0;
  double residualLimit = 0.0;  // +infinity when D is not positive: no early stop
};

// How many doubles one instruction handles: 2 (SSE2, every x86-64), 4 (AVX2)
// or 8 (AVX-512). The results are the same to the bit; only the speed differs.
enum class VectorWidth { Sse2, Avx2, Avx512 };
VectorWidth WidestVectors();  // the widest this processor offers

// Fits the candidate whose design columns are `ids` (its terms, then the
// constant) and scores it with the very operations of the plain fit: the
// normal equations come from the bank's sums, which are the same sums in the
// same order, then elimination without pivoting, back substitution and the
// residual sum point by point in point order. True, with the R squared, when
// the candidate beats the threshold. The residuals are worked out in the
// bank's scoring order, and it stops early, returning false, as soon as their
// running sum rules the candidate out.
bool ScoreAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                         const EntryTest& test, VectorWidth width, ScoreScratch& scratch, double& rSquared);

}  // namespace rv
