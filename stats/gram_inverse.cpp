#include "stats/gram_inverse.h"

#include <cmath>

namespace rv {

namespace {

constexpr double kRankTolerance = 1e-12;

double Norm(const std::vector<double>& column, size_t from) {
  double sum = 0.0;
  for (size_t i = from; i < column.size(); ++i) sum += column[i] * column[i];
  return std::sqrt(sum);
}

// Overwrites the columns with R (upper triangle); false when a column is
// dependent on the ones before it.
bool HouseholderTriangularise(std::vector<std::vector<double>>& a) {
  const size_t m = a.size();
  for (size_t k = 0; k < m; ++k) {
    const double length = Norm(a[k], 0);
    const double norm = Norm(a[k], k);
    if (!(norm > kRankTolerance * length)) return false;
    const double alpha = a[k][k] > 0.0 ? -norm : norm;
    std::vector<double> v(a[k].begin() + static_cast<long>(k), a[k].end());
    v[0] -= alpha;
    double vv = 0.0;
    for (const double x : v) vv += x * x;
    a[k][k] = alpha;
    for (size_t j = k + 1; j < m; ++j) {
      double dot = 0.0;
      for (size_t i = 0; i < v.size(); ++i) dot += v[i] * a[j][k + i];
      const double f = 2.0 * dot / vv;
      for (size_t i = 0; i < v.size(); ++i) a[j][k + i] -= f * v[i];
    }
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::vector<double>>> GramFactor(std::vector<std::vector<double>> columns) {
  const size_t m = columns.size();
  if (m == 0) return std::nullopt;
  for (const auto& column : columns) {
    if (column.size() < m || column.size() != columns[0].size()) return std::nullopt;
    for (const double x : column)
      if (!std::isfinite(x)) return std::nullopt;
  }
  if (!HouseholderTriangularise(columns)) return std::nullopt;
  return columns;
}

std::optional<std::vector<double>> GramInverseDiagonal(std::vector<std::vector<double>> columns) {
  const auto r = GramFactor(std::move(columns));
  if (!r) return std::nullopt;
  const auto& columnsOfR = *r;
  const size_t m = columnsOfR.size();
  // X'X = R'R, so (X'X)^-1 = R^-1 R^-T and its diagonal entry k is the sum of
  // squares of row k of R^-1. Column j of R^-1 solves R x = e_j.
  std::vector<double> diagonal(m, 0.0);
  std::vector<double> x(m);
  for (size_t j = 0; j < m; ++j) {
    for (size_t ii = j + 1; ii-- > 0;) {
      double sum = ii == j ? 1.0 : 0.0;
      for (size_t l = ii + 1; l <= j; ++l) sum -= columnsOfR[l][ii] * x[l];
      x[ii] = sum / columnsOfR[ii][ii];
      diagonal[ii] += x[ii] * x[ii];
    }
  }
  for (const double d : diagonal)
    if (!std::isfinite(d)) return std::nullopt;
  return diagonal;
}

double GramInverseForm(const std::vector<std::vector<double>>& r, const std::vector<double>& g) {
  // R' is lower triangular: row j of R' is column j of R.
  std::vector<double> v(r.size());
  double squares = 0.0;
  for (size_t j = 0; j < r.size(); ++j) {
    double sum = g[j];
    for (size_t i = 0; i < j; ++i) sum -= r[j][i] * v[i];
    v[j] = sum / r[j][j];
    squares += v[j] * v[j];
  }
  return squares;
}

}  // namespace rv
