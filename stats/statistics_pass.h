#pragma once

#include <string>
#include <vector>

#include "regress/fit_workspace.h"
#include "stats/anova_table.h"
#include "stats/confidence_band.h"
#include "stats/fit_summary.h"
#include "stats/residual_table.h"
#include "stats/term_statistics.h"

namespace rv {

// One row of the coefficient list: " a  =" and the coefficient with "%.8E".
struct CoefficientRow {
  std::string label;
  std::string value;
};

// One row of the residual list: "  n" (two blanks and the 1-based point
// number), Y Obs, Y Calc and the difference with "%.4E", Pct Diff with "%.2f";
// for a weighted fit also the normalised residual, the difference over sigma,
// with "%.4E" (empty without weights).
struct ResidualRow {
  std::string number, yObs, yCalc, difference, pctDiff, normalised;
};

// The ends of the confidence band (of the mean) and of the prediction band
// (of a new observation) at one point, "%.4E" each.
struct BandRow {
  std::string confidenceLow, confidenceHigh, predictionLow, predictionHigh;
};

// The df ("%d"), SS and MS texts of one ANOVA row; Total has no MS text.
struct AnovaRowTexts {
  std::string df, ss, ms;
};

// One row of the term list: the TermLabel, Std Error ("%+.6E"), t Stat
// ("%+.6f") and P Value ("%.4E").
struct TermRow {
  std::string label, stdError, tStat, pValue;
};

// Everything the Equation Statistics dialog shows about the current equation,
// as numbers and as the exact texts of its controls. A value that is
// undefined or not finite is shown as "n/a" wherever it appears.
struct EquationStatistics {
  std::string equationText;  // the dialog's title

  std::vector<double> coefficients;  // the constant last
  std::vector<CoefficientRow> coefficientRows;

  FitSummary summary;
  std::string rSquaredLine;  // "R Squared  =  %.6f"
  std::string stdErrorLine;  // "Std Error  =  %.6f"
  std::string stdDevLine;    // "Std Dev  =  %.6f"

  AnovaTable anova;
  AnovaRowTexts regressTexts;   // SS "%.0f", MS "%.1f"
  AnovaRowTexts residualTexts;  // SS "%.2f", MS "%.2f"
  AnovaRowTexts totalTexts;     // SS "%.0f"

  ResidualTable residuals;  // read by the chart and the residual copy
  std::vector<ResidualRow> residualRows;
  // The bands at every point, at the level the document sets.
  double bandLevel = kDefaultBandLevel;
  std::string bandHeading;  // BandHeading
  std::vector<PointBands> bands;
  std::vector<BandRow> bandRows;
  // 1 - PRESS / SST as the fit scored it (regress/leave_one_out.h); not a
  // number where undefined.
  double predictedRSquared = 0.0;
  // "weighted by σ (X16)" for a fit weighted by the uncertainties of Y,
  // empty without.
  std::string weighting;

  std::vector<TermStatistics> terms;
  std::vector<TermRow> termRows;
};

// The residual list's rows of a table, point by point.
std::vector<ResidualRow> ResidualRows(const ResidualTable& table);

// The band columns of the residual list, point by point.
std::vector<BandRow> BandRows(const std::vector<PointBands>& bands);

// Computes the statistics of the equation the workspace holds, as its last
// fit left it; nothing is fitted again. The bands are at bandLevel.
EquationStatistics StatisticsPass(const FitWorkspace& workspace, double bandLevel = kDefaultBandLevel);

}  // namespace rv
