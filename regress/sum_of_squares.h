#pragma once

namespace rv {

// The sum of squared deviations from the mean, in two passes in the order
// given: the mean (sum / count), then the sum of (value - mean)^2. A sheet
// whose Y carries a large common offset (Julian dates, readings near a
// reference) keeps its spread, which sum(y^2) - sum(y)^2 / N cancels to
// noise. Every value equal gives exactly 0: a mean rounded off the common
// value would otherwise leave a spread of rounding noise.
double SumOfSquaresAboutMean(const double* values, int count);

// The same with weights r^2 (r = 1 / sigma): the weighted mean
// sum r^2 v / sum r^2, then the sum of (r (v - mean))^2, in the order given.
double WeightedSumOfSquaresAboutMean(const double* values, const double* rootWeights, int count);

// Squares of values beyond about 1e120 overflow in a sum, and of values
// below about 1e-160 vanish. Where the largest magnitude of the values lies
// outside 2^-400 .. 2^400, the sums of squares of a fit (the residual sum and
// the total sum about the mean) are taken of the values times 2^-exponent,
// exact as any power of two; this is that exponent, and 0 (values taken as
// they are) for every sheet of ordinary magnitude.
int SquaresExponent(const double* values, int count);

// No double's binary exponent lies beyond it.
inline constexpr int kMaxSquaresExponent = 1100;

// The true sum of squares of a sum taken of values times 2^-exponent, which
// may be infinite though the sum is not.
double TrueSumOfSquares(double scaledSum, int exponent);

}  // namespace rv
