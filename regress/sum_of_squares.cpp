#include "regress/sum_of_squares.h"

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

}  // namespace rv
