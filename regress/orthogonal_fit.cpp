#include "regress/orthogonal_fit.h"

#include "regress/point_sums.h"

namespace rv {

namespace {

// One pass of projections taken away, the amounts added to column j of U.
void TakeAwayProjections(OrthogonalFactors& f, int j, double* column) {
  for (int i = 0; i < j; ++i) {
    const double amount = PointDot(f.column(i), column, f.points) * f.inverseSquares[static_cast<size_t>(i)];
    SubtractMultiple(column, amount, f.column(i), f.points);
    f.u[static_cast<size_t>(i) * kMaxCandidateColumns + static_cast<size_t>(j)] += amount;
  }
}

}  // namespace

std::vector<double> OrthogonalFactors::solve() const {
  std::vector<double> b(static_cast<size_t>(columns), 0.0);
  for (int j = columns - 1; j >= 0; --j) {
    double sum = h[static_cast<size_t>(j)];
    for (int i = j + 1; i < columns; ++i) sum = sum - uEntry(j, i) * b[static_cast<size_t>(i)];
    b[static_cast<size_t>(j)] = sum;
  }
  return b;
}

bool FactoriseColumns(const std::vector<const double*>& columns, const std::vector<double>& rankReferences,
                      const double* y, int points, OrthogonalFactors& f) {
  const int count = static_cast<int>(columns.size());
  const size_t n = static_cast<size_t>(points);
  f.points = points;
  f.columns = count;
  f.a.assign(static_cast<size_t>(count) * n, 0.0);
  f.inverseSquares.assign(static_cast<size_t>(count), 0.0);
  f.u.assign(static_cast<size_t>(kMaxCandidateColumns) * kMaxCandidateColumns, 0.0);
  f.h.assign(static_cast<size_t>(count), 0.0);
  f.residual.assign(y, y + points);
  for (int j = 0; j < count; ++j) {
    double* column = f.a.data() + static_cast<size_t>(j) * n;
    for (size_t i = 0; i < n; ++i) column[i] = columns[static_cast<size_t>(j)][i];
    const double lengthSquared = PointDot(column, column, points);
    TakeAwayProjections(f, j, column);
    double leftSquared = PointDot(column, column, points);
    if (leftSquared < kReorthogonalisedBelow * lengthSquared) {
      TakeAwayProjections(f, j, column);
      leftSquared = PointDot(column, column, points);
    }
    if (!ResolvesColumn(leftSquared, rankReferences[static_cast<size_t>(j)])) return false;
    const double inverseSquare = 1.0 / leftSquared;
    f.inverseSquares[static_cast<size_t>(j)] = inverseSquare;
    const double projection = PointDot(column, f.residual.data(), points) * inverseSquare;
    SubtractMultiple(f.residual.data(), projection, column, points);
    f.h[static_cast<size_t>(j)] = projection;
  }
  return true;
}

}  // namespace rv
