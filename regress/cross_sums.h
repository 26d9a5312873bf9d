#pragma once

#include <vector>

#include "regress/vector_width.h"

namespace rv {

// Every entry the normal equations of the bank's columns can need: entry
// a * columns + b is the sum over the points, in point order, of column a
// times column b, which is exactly the sum the fit accumulates point by
// point (so entry (a, b) equals entry (b, a) to the bit). Column c holds its
// values at values[c * stride + k], k in scoring order; positionOfPoint[i]
// says where point i is. The rows are shared among `threads` threads, each
// summing with the vectors of `width`.
std::vector<double> CrossSums(const double* values, int stride, int columns, const std::vector<int>& positionOfPoint,
                              int threads, VectorWidth width = WidestVectors());

}  // namespace rv
