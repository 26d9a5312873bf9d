#pragma once

#include <vector>

#include "regress/column_bank.h"
#include "regress/search_data.h"
#include "regress/standard_column.h"
#include "sheet/equation_set.h"

namespace rv {

// What one equation set adds to a search, the same for every candidate of
// the set: its transformed Y standardised as the plain fit standardises it,
// the observations mapped back (the transformed Y through BackTransform), the
// scale of their squares and the denominator of R squared, and for a fit
// weighted by 1 / sigma^2 the weights (regress/score_scale.h). Values by
// point lie in the bank's scoring order, padded with zeros to its stride.
struct SetScoring {
  EquationSet set = EquationSet::Y;
  bool yFault = false;  // some Y (or its sigma) fails the set's guard: every candidate is outside its range
  bool weighted = false;
  std::vector<double> sigma;           // of the transformed Y, weighted only
  std::vector<double> pointScale;      // each squared difference's scale, weighted only (else toSquaresScale)
  std::vector<double> constantShares;  // the constant's share of each hat value (regress/leave_one_out.h)
  ColumnScale yScale;                  // of the transformed Y
  std::vector<double> standardY;
  std::vector<double> observed;    // BackTransform of the transformed Y
  int squaresExponent = 0;         // SquaresExponent of the observations
  double toSquaresScale = 1.0;     // 2^-squaresExponent
  double denominator = 0.0;        // SST: SumOfSquaresAboutMean of the scaled observations in point order
  std::vector<double> columnSums;  // the sum over the points (PointDot's) of each bank column with standardY
};

SetScoring PrepareSetScoring(const SearchData& data, EquationSet set, const ColumnBank& bank);

}  // namespace rv
