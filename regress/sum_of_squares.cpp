#include "regress/sum_of_squares.h"

#include <cmath>

namespace rv {

double SumOfSquaresAboutMean(const double* values, int count) {
  if (count <= 0) return 0.0;
  bool allEqual = true;
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    sum += values[i];
    allEqual = allEqual && values[i] == values[0];
  }
  if (allEqual) return 0.0;
  const double mean = sum / count;
  double squares = 0.0;
  for (int i = 0; i < count; ++i) {
    const double deviation = values[i] - mean;
    squares += deviation * deviation;
  }
  return squares;
}

double WeightedSumOfSquaresAboutMean(const double* values, const double* rootWeights, int count) {
  if (count <= 0) return 0.0;
  bool allEqual = true;
  double sum = 0.0;
  double weightSum = 0.0;
  for (int i = 0; i < count; ++i) {
    const double weight = rootWeights[i] * rootWeights[i];
    sum += weight * values[i];
    weightSum += weight;
    allEqual = allEqual && values[i] == values[0];
  }
  if (allEqual) return 0.0;
  const double mean = sum / weightSum;
  double squares = 0.0;
  for (int i = 0; i < count; ++i) {
    const double deviation = rootWeights[i] * (values[i] - mean);
    squares += deviation * deviation;
  }
  return squares;
}

int SquaresExponent(const double* values, int count) {
  double largest = 0.0;
  for (int i = 0; i < count; ++i) largest = std::fmax(largest, std::fabs(values[i]));
  if (!std::isfinite(largest) || largest == 0.0) return 0;
  int exponent = 0;
  std::frexp(largest, &exponent);
  return exponent < -400 || exponent > 400 ? exponent : 0;
}

double TrueSumOfSquares(double scaledSum, int exponent) { return std::ldexp(scaledSum, 2 * exponent); }

}  // namespace rv
