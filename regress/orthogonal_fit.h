#pragma once

#include <vector>

#include "regress/candidate.h"

namespace rv {

// A candidate is fitted by modified Gram-Schmidt on its standardised
// columns, in its term order: each column loses its projection on every
// orthonormal column before it, one after the other; when that leaves less
// than half its squared length (so that rounding may have left some of what
// was taken away), the same pass runs once more, which is enough. What is
// left of the column, divided by its length, is its orthonormal column. The
// standardised Y goes through the same steps once, leaving its projection on
// each column and its residual.
//
// The rank test: a column of which the orthogonalisation leaves no more than
// this share of its length lies, within the rounding of double precision, in
// the span of the columns before it. Its coefficient and the fit's R squared
// would be rounding noise (a triangular factor whose diagonal spans more
// than 1e7 loses eight of the sixteen digits), so the candidate is refused as
// one that cannot be resolved in double precision.
inline constexpr double kResolvableShare = 1e-7;
// The share of its squared length a column keeps after the first pass,
// below which the second pass runs.
inline constexpr double kReorthogonalisedBelow = 0.5;

// The squared-length test of the rank test: kResolvableShare squared.
inline bool ResolvesColumn(double lengthLeftSquared, double lengthSquared) {
  return lengthLeftSquared > 1e-14 * lengthSquared;
}

// The factors of one candidate's standardised design Z = Q R and of its
// standardised Y: y = Q g + residual.
struct OrthogonalFactors {
  int points = 0;
  int columns = 0;
  std::vector<double> q;         // column j at j * points
  std::vector<double> r;         // entry (i, j), i <= j, at i * kMaxCandidateColumns + j
  std::vector<double> g;         // the projection of y on each orthonormal column
  std::vector<double> residual;  // y - Q g, one value per point

  const double* column(int j) const { return q.data() + static_cast<size_t>(j) * static_cast<size_t>(points); }
  double rEntry(int i, int j) const { return r[static_cast<size_t>(i) * kMaxCandidateColumns + static_cast<size_t>(j)]; }
  // The coefficients of the standardised columns: R b = g solved by back
  // substitution.
  std::vector<double> solve() const;
};

// Factorises the standardised columns columns[0 .. count) (points values
// each) and the standardised y. False when a column cannot be resolved; the
// factors are then incomplete.
bool FactoriseColumns(const std::vector<const double*>& columns, const double* y, int points,
                      OrthogonalFactors& factors);

}  // namespace rv
