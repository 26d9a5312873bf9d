#pragma once

#include <limits>
#include <vector>

#include "regress/candidate.h"
#include "regress/column_bank.h"
#include "regress/ranking_criterion.h"
#include "regress/vector_width.h"

namespace rv {

// Points whose fitted values are worked out together, eight at a time.
inline constexpr int kPointBlock = 8;

// Room for one candidate's normal equations and fitted values, made once
// per thread and search for a sheet of up to `points` points.
struct ScoreScratch {
  explicit ScoreScratch(int points = kSheetRows) : squares(static_cast<size_t>(points) + kPointBlock) {}

  int pointCapacity() const { return static_cast<int>(squares.size()) - kPointBlock; }

  alignas(64) double normal[kMaxCandidateColumns][kMaxCandidateColumns + 4];
  alignas(64) double rightHandSide[kMaxCandidateColumns + 4];
  alignas(64) double coefficients[kMaxCandidateColumns + 4];
  std::vector<double> squares;  // squared residuals, in scoring order, a point block past the last point
};

// What a candidate of one set and one number of coefficients must do to
// enter the list, and the residual sum of squares at which that becomes
// impossible. Every criterion only worsens as the residual sum grows (for a
// fixed number of coefficients), so a residual sum over some of the points
// that reaches the limit (with a margin for the rounding of a sum taken in
// another order) already rules the candidate out.
struct EntryTest {
  // A sum of n non-negative terms rounded in any order is within (n - 1) u
  // of the exact sum (u = 2^-53), so two orders differ by less than 2 n u =
  // 2.2e-16 n: a partial sum taken in scoring order, shrunk by the margin,
  // never exceeds the residual sum taken in point order. For the sheet's
  // first 99 rows the margin is 1 - 1e-13 (4.5 times 2 n u at n = 99); a
  // longer sheet takes off 1e-15 n, the same 4.5 times, which keeps
  // 1 - 1e-10 at 100,000 points.
  static constexpr double kReorderMargin = 1.0 - 1e-13;
  static double ReorderMargin(int points) { return points <= kSheetRows ? kReorderMargin : 1.0 - 1e-15 * points; }

  EntryTest() = default;
  // bound: the merit to beat, -infinity while the list takes anything it
  // may hold.
  EntryTest(RankingCriterion criterion, double bound, double sst, int points, int coefficients);
  // True when a running sum of squared residuals already rules the
  // candidate out. An infinite sum does not: its order may matter.
  bool rulesOut(double partialSum) const {
    return partialSum * reorderMargin >= residualLimit && partialSum <= std::numeric_limits<double>::max();
  }
  // The verdict on the whole residual sum, by the list's own rule; the merit
  // is set either way.
  bool admits(double ssRes, double& merit) const {
    return MayEnterList(ResidualScore{ssRes, sst, points, coefficients}, criterion, merit) && merit > bound;
  }

  RankingCriterion criterion = RankingCriterion::RSquared;
  double bound = -std::numeric_limits<double>::infinity();
  double sst = std::numeric_limits<double>::quiet_NaN();  // never equal: a test made by default is made again
  int points = 0;
  int coefficients = 0;
  double residualLimit = 0.0;             // +infinity: no early stop
  double reorderMargin = kReorderMargin;  // ReorderMargin(points)
};

// A candidate that passed: its residual sum (in point order) and its merit.
struct EntryScore {
  double ssRes = 0.0;
  double merit = 0.0;
};

// Fits the candidate whose design columns are `ids` (its terms, then the
// constant) and scores it with the very operations of the plain fit: the
// normal equations come from the bank's sums, which are the same sums in the
// same order, then elimination without pivoting, back substitution and the
// residual sum point by point in point order. True, with its score, when
// the test admits the candidate. The residuals are worked out in the
// bank's scoring order, and it stops early, returning false, as soon as their
// running sum rules the candidate out.
bool ScoreAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                         const EntryTest& test, VectorWidth width, ScoreScratch& scratch, EntryScore& score);

// Where the residual pass of a solved candidate goes on: at the start of a
// point block in scoring order, with the running sum of the squared
// residuals before it.
struct ResidualStart {
  int point = 0;
  double partial = 0.0;
};

// The rest of ScoreAboveThreshold for a candidate that was solved and scored
// up to `from` elsewhere: the scratch holds its coefficients and the squared
// residuals of the points before from.point, in scoring order.
bool ScoreRestAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                             const EntryTest& test, VectorWidth width, ResidualStart from, ScoreScratch& scratch,
                             EntryScore& score);

}  // namespace rv
