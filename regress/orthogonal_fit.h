#pragma once

#include <vector>

#include "regress/candidate.h"

namespace rv {

// A candidate is fitted by modified Gram-Schmidt on its standardised
// columns, in its term order, keeping the orthogonal columns unnormalised:
// column j loses, one after the other, its projection on every orthogonal
// column a_i before it, (a_i . column) / (a_i . a_i) times a_i; when that
// leaves less than a tenth of its length (so that rounding may have left
// some of what was taken away in directions that now matter), the same pass
// runs once more, which is enough. (Modified Gram-Schmidt gives the
// least-squares fit and its residual accurately without it; the second pass
// keeps the orthogonal columns orthogonal, which the leave-one-out
// statistics read.) What is left is a_j. The standardised Y goes through the same
// steps once, leaving its projection on each column and its residual. Every
// sum over the points is PointDot's, in its order, so that the search's
// kernels can give the same bits.
//
// The rank test: a column of which the orthogonalisation leaves no more than
// this share of its raw length (before centring) lies, within the rounding of
// double precision, in the span of the columns before it and the constant.
// The raw length, not the centred one, because the column's values carry
// the rounding of their own magnitude: X^2 of a Julian date is rounded to
// 1e-3, far more than what separates it from X. Its coefficient and the
// fit's R squared would be rounding noise, so the candidate is refused as one
// that cannot be resolved in double precision. At 1e-5 (a triangular factor
// whose diagonal spans at most 1e5) the listed coefficients keep at least
// eight correct digits on every sheet of the accuracy test, with a margin:
// at 1e-7 calendar years kept 7.1, at 1e-6 absolute temperatures 6.7.
inline constexpr double kResolvableShare = 1e-5;
// The share of its squared length a column keeps after the first pass,
// below which the second pass runs.
inline constexpr double kReorthogonalisedBelow = 1e-2;

// What the rank test measures a standardised column against. A column of
// values computed from the data (X^2, sqrt X, ln X, X1 X2 ...) carries the
// rounding of their magnitude, so its reference is its squared raw length in
// the standardised scale: its squared length plus the points times its
// squared mean over its length. A variable as given (the term X) carries no
// rounding of its own: its values are the data, centring them leaves only
// the rounding of the mean, which the constant takes, so its reference is
// its own squared length, and a line through twelve consecutive Julian
// dates is fitted.
// With weights 1 / sigma^2 the points count by their weights: weightSum is
// their sum, the points themselves without weights.
inline double RankReference(double squaredLength, double mean, double length, double weightSum, bool computedValues) {
  if (!computedValues) return squaredLength;
  const double offset = mean / length;
  return squaredLength + weightSum * (offset * offset);
}

// Whether a term's values are computed from the data rather than taken as
// they are (RankReference).
inline bool HasComputedValues(int kind) { return kind != kTermX && kind != kRationalLinear; }

// The squared-length test of the rank test: kResolvableShare squared.
inline bool ResolvesColumn(double lengthLeftSquared, double rankReference) {
  return lengthLeftSquared > 1e-10 * rankReference;
}

// The factors of one candidate's standardised design and Y: Z = A U with A's
// columns orthogonal and U unit upper triangular, y = A h + residual.
struct OrthogonalFactors {
  int points = 0;
  int columns = 0;
  std::vector<double> a;               // orthogonal column j at j * points
  std::vector<double> inverseSquares;  // 1 / (a_j . a_j)
  std::vector<double> u;               // entry (i, j), i < j, at i * kMaxCandidateColumns + j
  std::vector<double> h;               // Y's projection on each column, in units of a_j
  std::vector<double> residual;        // y - A h, one value per point

  const double* column(int j) const { return a.data() + static_cast<size_t>(j) * static_cast<size_t>(points); }
  double uEntry(int i, int j) const {
    return u[static_cast<size_t>(i) * kMaxCandidateColumns + static_cast<size_t>(j)];
  }
  // The coefficients of the standardised columns: U b = h solved by back
  // substitution.
  std::vector<double> solve() const;
};

// Factorises the standardised columns columns[0 .. count) (points values
// each, each with its RankReference) and the standardised y. False when a
// column cannot be resolved; the factors are then incomplete.
bool FactoriseColumns(const std::vector<const double*>& columns, const std::vector<double>& rankReferences,
                      const double* y, int points, OrthogonalFactors& factors);

}  // namespace rv
