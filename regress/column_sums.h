#pragma once

#include <vector>

#include "regress/vector_width.h"

namespace rv {

// The sums over the points (PointDot's, to the bit) of every pair of the
// bank's standardised columns, entry a * columns + b, each worked out once:
// a walk starts many orthogonalisations from two columns as the bank holds
// them. Columns lie at values + c * stride.
std::vector<double> ColumnPairSums(const double* values, int stride, int columns, int points, VectorWidth width);

// The sum over the points of each column with `y`.
std::vector<double> ColumnSumsWith(const double* values, int stride, int columns, const double* y, int points,
                                   VectorWidth width);

}  // namespace rv
