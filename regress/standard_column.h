#pragma once

namespace rv {

// A fit works on its columns centred on their means and divided by their
// lengths: the constant then needs no column of its own (every centred
// column is orthogonal to it), a variable with a large offset (calendar
// years, Julian dates, kelvins) keeps all its digits of spread, and every
// column has length 1, so that what an orthogonalisation leaves of a column
// is a share of 1.
struct ColumnScale {
  double mean = 0.0;
  double length = 0.0;  // of the centred column; 0 when its values are all equal
};

enum class ColumnSpread {
  Varies,
  Constant,    // every value the same
  Unresolved,  // the values differ by no more than the rounding of their digits, or not finite
};

// The steps that took each value to its standardised one, kept so that a
// column can be made again from its values to the same bits
// (StandardValue) instead of being stored.
struct StandardSteps {
  double mean = 0.0;
  double toNearOne = 1.0;  // a power of two
  double length = 1.0;     // of the deviations times toNearOne
};

// Centres and scales values[0 .. points): the mean in two passes (the sum's
// mean, corrected by the mean of the deviations from it), then the
// deviations, brought near 1 by a power of two (exact) and divided by the
// length of their vector, taken with PointDot. Writes the standardised
// column to `standard` when it varies; otherwise leaves it alone.
// With root weights r (1 / sigma, y_uncertainty.h) the mean is the weighted
// one, sum r^2 x / sum r^2, and each deviation is multiplied by r before it
// is scaled: the constant's column r is then orthogonal to every
// standardised column, as 1 is without weights. Without them every weight is
// 1 and no step multiplies by it.
// `steps`, when given, receives the steps of a column that varies.
ColumnSpread StandardiseColumn(const double* values, int points, double* standard, ColumnScale& scale,
                               const double* rootWeights = nullptr, StandardSteps* steps = nullptr);

// One value's standardised value by the steps StandardiseColumn took for its
// column (rootWeight 1 without weights): the same operations in the same
// order.
inline double StandardValue(double value, const StandardSteps& steps, double rootWeight, bool weighted) {
  const double deviation = value - steps.mean;
  return ((weighted ? rootWeight * deviation : deviation) * steps.toNearOne) / steps.length;
}

}  // namespace rv
