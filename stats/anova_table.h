#pragma once

#include "stats/residual_table.h"

namespace rv {

// One row of the analysis of variance. The mean square is not finite where it
// is undefined: no degrees of freedom, and always in the Total row.
struct AnovaRow {
  int df = 0;
  double ss = 0.0;
  double ms = 0.0;
};

// The table on the scale of Y, consistent with the R squared the fit scores:
// Total SS = sum of (Y Obs - mean)^2 (about the mean, in two passes) with
// N - 1 df, Residual SS = sum of (Y Obs - Y Calc)^2 with N - p - 1 df,
// Regress SS = their difference with p df, not finite when the total is 0
// or below the residual; each mean square is SS / df. A fit weighted by
// 1 / sigma^2 weights every square: the Total about the weighted mean, the
// Residual chi squared.
struct AnovaTable {
  AnovaRow regress, residual, total;
};

// termCount is p, the number of terms without the constant.
AnovaTable BuildAnovaTable(const ResidualTable& table, int termCount);

}  // namespace rv
