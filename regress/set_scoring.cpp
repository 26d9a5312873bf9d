#include "regress/set_scoring.h"

#include <cmath>

#include "regress/column_sums.h"
#include "regress/sum_of_squares.h"
#include "regress/y_form.h"

namespace rv {

SetScoring PrepareSetScoring(const SearchData& data, EquationSet set, const ColumnBank& bank) {
  const int stride = bank.stride();
  SetScoring scoring;
  scoring.set = set;
  const int n = data.pointCount;
  std::vector<double> transformed(static_cast<size_t>(n), 0.0);
  for (int i = 0; i < n; ++i)
    if (!TransformY(set, data.values[i][0], transformed[static_cast<size_t>(i)])) scoring.yFault = true;
  if (scoring.yFault) return scoring;
  std::vector<double> observed(static_cast<size_t>(n)), standard(static_cast<size_t>(n), 0.0);
  for (int i = 0; i < n; ++i) observed[static_cast<size_t>(i)] = BackTransform(set, transformed[static_cast<size_t>(i)]);
  StandardiseColumn(transformed.data(), n, standard.data(), scoring.yScale);
  scoring.squaresExponent = SquaresExponent(observed.data(), n);
  scoring.toSquaresScale = std::ldexp(1.0, -scoring.squaresExponent);
  std::vector<double> scaled(observed);
  for (double& y : scaled) y = y * scoring.toSquaresScale;
  scoring.denominator = SumOfSquaresAboutMean(scaled.data(), n);
  scoring.standardY.assign(static_cast<size_t>(stride), 0.0);
  scoring.observed.assign(static_cast<size_t>(stride), 0.0);
  for (int k = 0; k < n; ++k) {
    const size_t i = static_cast<size_t>(bank.scoringOrder()[static_cast<size_t>(k)]);
    scoring.standardY[static_cast<size_t>(k)] = standard[i];
    scoring.observed[static_cast<size_t>(k)] = observed[i];
  }
  scoring.columnSums = ColumnSumsWith(bank.column(0), stride, bank.columnCount(), scoring.standardY.data(), n,
                                      WidestVectors());
  return scoring;
}

}  // namespace rv
