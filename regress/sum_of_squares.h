#pragma once

namespace rv {

// The sum of squared deviations from the mean, in two passes in the order
// given: the mean (sum / count), then the sum of (value - mean)^2. A sheet
// whose Y carries a large common offset (Julian dates, readings near a
// reference) keeps its spread, which sum(y^2) - sum(y)^2 / N cancels to
// noise. Every value equal gives exactly 0: a mean rounded off the common
// value would otherwise leave a spread of rounding noise.
double SumOfSquaresAboutMean(const double* values, int count);

}  // namespace rv
