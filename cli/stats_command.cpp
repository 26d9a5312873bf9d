#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/equation_choice.h"
#include "cli/json_text.h"
#include "cli/search_options.h"
#include "cli/text_options.h"
#include "stats/criteria_text.h"
#include "stats/fit_criteria.h"
#include "stats/number_text.h"
#include "stats/statistics_pass.h"

namespace rv::cli {

namespace {

void PrintText(const EquationStatistics& s) {
  std::printf("%s\n\nCoefficients\n", s.equationText.c_str());
  for (const CoefficientRow& row : s.coefficientRows) std::printf("%s\t%s\n", row.label.c_str(), row.value.c_str());
  std::printf("\nRegression Statistics:\n%s\n%s\n%s\n", s.rSquaredLine.c_str(), s.stdErrorLine.c_str(),
              s.stdDevLine.c_str());
  if (!s.weighting.empty()) std::printf("%s\n", s.weighting.c_str());
  std::printf("\nANOVA\tdf\tSS\tMS\n");
  std::printf("Regress\t%s\t%s\t%s\n", s.regressTexts.df.c_str(), s.regressTexts.ss.c_str(), s.regressTexts.ms.c_str());
  std::printf("Residual\t%s\t%s\t%s\n", s.residualTexts.df.c_str(), s.residualTexts.ss.c_str(),
              s.residualTexts.ms.c_str());
  std::printf("Total\t%s\t%s\n", s.totalTexts.df.c_str(), s.totalTexts.ss.c_str());
  const bool weighted = s.residuals.weighted();
  std::printf("\nResiduals\nn\tY Obs\tY Calc\tDifference\tPct Diff%s\n", weighted ? "\tNormalised" : "");
  for (const ResidualRow& row : s.residualRows)
    std::printf("%s\t%s\t%s\t%s\t%s%s%s\n", row.number.c_str(), row.yObs.c_str(), row.yCalc.c_str(),
                row.difference.c_str(), row.pctDiff.c_str(), weighted ? "\t" : "", row.normalised.c_str());
  std::printf("\nStd Errs\nTerm\tStd Error\tt Stat\tP Value\n");
  for (const TermRow& row : s.termRows)
    std::printf("%s\t%s\t%s\t%s\n", row.label.c_str(), row.stdError.c_str(), row.tStat.c_str(), row.pValue.c_str());
}

// Lines the dialog does not show, after its content, in its style: the
// criteria as statistic lines, the intervals as a table by term.
void PrintCriteriaText(const EquationStatistics& s, const FitCriteria& c) {
  std::printf("\nFit Criteria\n");
  for (const CriterionRow& row : CriterionRows(c)) std::printf("%s  =  %s\n", row.name.c_str(), row.value.c_str());
  std::printf("\n95%% Confidence Intervals\nTerm\tLower\tUpper\n");
  for (const IntervalRow& row : IntervalRows(s, c))
    std::printf("%s\t%s\t%s\n", row.label.c_str(), row.lower.c_str(), row.upper.c_str());
  std::printf("\n%s\nn\tConf Low\tConf High\tPred Low\tPred High\n", s.bandHeading.c_str());
  for (size_t i = 0; i < s.bandRows.size(); ++i) {
    const BandRow& band = s.bandRows[i];
    std::printf("%s\t%s\t%s\t%s\t%s\n", s.residualRows[i].number.c_str(), band.confidenceLow.c_str(),
                band.confidenceHigh.c_str(), band.predictionLow.c_str(), band.predictionHigh.c_str());
  }
}

template <typename Item, typename Text>
std::string JsonArray(const std::vector<Item>& items, Text text) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i == 0 ? "" : ", ") + text(items[i]);
  return out + "]";
}

std::string JsonAnovaRow(const AnovaRow& row, bool withMeanSquare) {
  std::string out = "{\"df\": " + std::to_string(row.df) + ", \"ss\": " + JsonNumber(row.ss);
  if (withMeanSquare) out += ", \"ms\": " + JsonNumber(row.ms);
  return out + "}";
}

std::string JsonInterval(const ConfidenceInterval& interval) {
  return "[" + JsonNumber(interval.lower) + ", " + JsonNumber(interval.upper) + "]";
}

void PrintJson(const EquationStatistics& s, const FitCriteria& c, long long ordinal) {
  const auto term = [&s](double TermStatistics::*field) {
    return JsonArray(s.terms, [field](const TermStatistics& t) { return JsonNumber(t.*field); });
  };
  std::printf("{\n  \"equation\": %s,\n  \"ordinal\": %lld,\n", JsonString(s.equationText).c_str(), ordinal);
  std::printf("  \"r_squared\": %s,\n  \"std_error\": %s,\n  \"std_dev\": %s,\n",
              JsonNumber(s.summary.rSquared).c_str(), JsonNumber(s.summary.stdError).c_str(),
              JsonNumber(s.summary.stdDev).c_str());
  std::printf("  \"coefficients\": %s,\n", JsonArray(s.coefficients, JsonNumber).c_str());
  std::printf("  \"term_labels\": %s,\n",
              JsonArray(s.terms, [](const TermStatistics& t) { return JsonString(t.label); }).c_str());
  std::printf("  \"coef_std_errors\": %s,\n", term(&TermStatistics::stdError).c_str());
  std::printf("  \"t_stats\": %s,\n", term(&TermStatistics::tStat).c_str());
  std::printf("  \"p_values\": %s,\n", term(&TermStatistics::pValue).c_str());
  std::printf("  \"adjusted_r_squared\": %s,\n  \"f_stat\": %s,\n  \"f_p_value\": %s,\n",
              JsonNumber(c.adjustedRSquared).c_str(), JsonNumber(c.fStat).c_str(), JsonNumber(c.fPValue).c_str());
  std::printf("  \"aicc\": %s,\n  \"bic\": %s,\n  \"residual_std_error\": %s,\n", JsonNumber(c.aicc).c_str(),
              JsonNumber(c.bic).c_str(), JsonNumber(c.residualStdError).c_str());
  std::printf("  \"predicted_r_squared\": %s,\n", JsonNumber(c.predictedRSquared).c_str());
  if (s.residuals.weighted()) std::printf("  \"weighting\": %s,\n", JsonString(s.weighting).c_str());
  std::printf("  \"coef_ci95\": %s,\n", JsonArray(c.coefficientCi95, JsonInterval).c_str());
  std::printf("  \"anova\": {\n    \"regress\": %s,\n    \"residual\": %s,\n    \"total\": %s\n  },\n",
              JsonAnovaRow(s.anova.regress, true).c_str(), JsonAnovaRow(s.anova.residual, true).c_str(),
              JsonAnovaRow(s.anova.total, false).c_str());
  std::printf("  \"band_level\": %s,\n  \"band_heading\": %s,\n  \"residuals\": [", JsonNumber(s.bandLevel).c_str(),
              JsonString(s.bandHeading).c_str());
  const ResidualTable& table = s.residuals;
  for (int i = 0; i < table.pointCount(); ++i) {
    const PointBands& band = s.bands[static_cast<size_t>(i)];
    std::printf("%s\n    {\"n\": %d, \"y_obs\": %s, \"y_calc\": %s, \"difference\": %s, \"pct_diff\": %s",
                i == 0 ? "" : ",", i + 1, JsonNumber(table.yObs[static_cast<size_t>(i)]).c_str(),
                JsonNumber(table.yCalc[static_cast<size_t>(i)]).c_str(), JsonNumber(table.difference(i)).c_str(),
                JsonNumber(table.percentDifference(i)).c_str());
    if (table.weighted())
      std::printf(", \"sigma\": %s, \"normalised\": %s", JsonNumber(table.sigma[static_cast<size_t>(i)]).c_str(),
                  JsonNumber(table.normalisedResidual(i)).c_str());
    std::printf(", \"conf_low\": %s, \"conf_high\": %s, \"pred_low\": %s, \"pred_high\": %s}",
                JsonNumber(band.confidence.low).c_str(), JsonNumber(band.confidence.high).c_str(),
                JsonNumber(band.prediction.low).c_str(), JsonNumber(band.prediction.high).c_str());
  }
  std::printf("%s]\n}\n", table.pointCount() == 0 ? "" : "\n  ");
}

}  // namespace

int RunStatsCommand(const std::vector<std::string>& words) {
  const Arguments arguments =
      ParseArguments(words, AndTextValueOptions({"ordinal", "rank", "rank-by", "max-terms", "sets", "sigma", "level"}),
                     AndTextFlagOptions({"json"}));
  DocumentOptions fileOptions;
  const FitWorkspace workspace = LoadChosenEquation(arguments, "stats", &fileOptions);
  const EquationStatistics statistics = StatisticsPass(workspace, BandLevelOption(arguments, fileOptions.bands.level));
  const FitCriteria criteria = BuildFitCriteria(statistics);
  if (arguments.flag("json")) {
    PrintJson(statistics, criteria, static_cast<long long>(workspace.lastFittedOrdinal));
  } else {
    PrintText(statistics);
    PrintCriteriaText(statistics, criteria);
  }
  return 0;
}

}  // namespace rv::cli
