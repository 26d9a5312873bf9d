#include "stats/statistics_pass.h"

#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"
#include "stats/number_text.h"

namespace rv {

namespace {

std::vector<CoefficientRow> CoefficientRows(const std::vector<double>& coefficients) {
  std::vector<CoefficientRow> rows;
  for (size_t k = 0; k < coefficients.size(); ++k)
    rows.push_back({FormatText(" %c  =", CoefficientLetter(static_cast<int>(k))), ScientificText(coefficients[k], 8)});
  return rows;
}

AnovaRowTexts AnovaTexts(const AnovaRow& row, int ssDecimals, int msDecimals) {
  return {FormatText("%d", row.df), FixedText(row.ss, ssDecimals), FixedText(row.ms, msDecimals)};
}

std::vector<TermRow> TermRows(const std::vector<TermStatistics>& terms) {
  std::vector<TermRow> rows;
  rows.reserve(terms.size());
  for (const TermStatistics& term : terms)
    rows.push_back({term.label, ScientificText(term.stdError, 6, true), FixedText(term.tStat, 6, true),
                    ScientificText(term.pValue, 4)});
  return rows;
}

}  // namespace

std::vector<ResidualRow> ResidualRows(const ResidualTable& table) {
  std::vector<ResidualRow> rows;
  rows.reserve(static_cast<size_t>(table.pointCount()));
  for (int i = 0; i < table.pointCount(); ++i)
    rows.push_back({FormatText("  %d", i + 1), ScientificText(table.yObs[static_cast<size_t>(i)], 4),
                    ScientificText(table.yCalc[static_cast<size_t>(i)], 4), ScientificText(table.difference(i), 4),
                    FixedText(table.percentDifference(i), 2),
                    table.weighted() ? ScientificText(table.normalisedResidual(i), 4) : std::string()});
  return rows;
}

std::vector<BandRow> BandRows(const std::vector<PointBands>& bands) {
  std::vector<BandRow> rows;
  rows.reserve(bands.size());
  for (const PointBands& band : bands)
    rows.push_back({ScientificText(band.confidence.low, 4), ScientificText(band.confidence.high, 4),
                    ScientificText(band.prediction.low, 4), ScientificText(band.prediction.high, 4)});
  return rows;
}

EquationStatistics StatisticsPass(const FitWorkspace& workspace, double bandLevel) {
  EquationStatistics statistics;
  statistics.equationText = workspace.text;
  statistics.coefficients.assign(workspace.coefficients.begin(),
                                 workspace.coefficients.begin() + workspace.coefficientCount());
  statistics.coefficientRows = CoefficientRows(statistics.coefficients);

  statistics.residuals = BuildResidualTable(workspace);
  statistics.residualRows = ResidualRows(statistics.residuals);
  statistics.bandLevel = bandLevel;
  statistics.bandHeading = BandHeading(bandLevel, workspace.set());
  const ConfidenceBands bands = BuildConfidenceBands(workspace, bandLevel);
  for (int i = 0; i < workspace.pointCount; ++i) statistics.bands.push_back(BandsAtPoint(bands, workspace, i));
  statistics.bandRows = BandRows(statistics.bands);
  statistics.predictedRSquared = workspace.lastScore.predictedRSquared();
  if (workspace.weights.weighted()) statistics.weighting = kWeightingText;

  statistics.summary = BuildFitSummary(statistics.residuals, workspace.lastRSquared);
  statistics.rSquaredLine = "R Squared  =  " + FixedText(statistics.summary.rSquared, 6);
  statistics.stdErrorLine = "Std Error  =  " + FixedText(statistics.summary.stdError, 6);
  statistics.stdDevLine = "Std Dev  =  " + FixedText(statistics.summary.stdDev, 6);

  statistics.anova = BuildAnovaTable(statistics.residuals, workspace.constantColumn);
  statistics.regressTexts = AnovaTexts(statistics.anova.regress, 0, 1);
  statistics.residualTexts = AnovaTexts(statistics.anova.residual, 2, 2);
  statistics.totalTexts = AnovaTexts(statistics.anova.total, 0, 0);
  statistics.totalTexts.ms.clear();

  statistics.terms = BuildTermStatistics(workspace);
  statistics.termRows = TermRows(statistics.terms);
  return statistics;
}

}  // namespace rv
