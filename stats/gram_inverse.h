#pragma once

#include <optional>
#include <vector>

namespace rv {

// The diagonal of (X'X)^-1 for an N x m design matrix X given by its columns
// (columns[j][i] is row i of column j). Computed from a Householder QR
// factorisation of X, never from the normal equations, so its accuracy
// follows the condition of X rather than its square. Empty when X has fewer
// rows than columns, holds a value that is not finite, or is singular: a
// column whose part independent of the columns before it is below a relative
// tolerance of its own length.
std::optional<std::vector<double>> GramInverseDiagonal(std::vector<std::vector<double>> columns);

// The triangular factor R of the same QR factorisation, X'X = R'R, stored
// column by column (r[j][i] is entry (i, j), i <= j); empty in the same
// cases as GramInverseDiagonal.
std::optional<std::vector<std::vector<double>>> GramFactor(std::vector<std::vector<double>> columns);

// g' (X'X)^-1 g from the factor R of GramFactor: the squared length of the
// v that solves R' v = g.
double GramInverseForm(const std::vector<std::vector<double>>& r, const std::vector<double>& g);

}  // namespace rv
