#include "stats/criteria_text.h"

#include "stats/number_text.h"

namespace rv {

std::vector<CriterionRow> CriterionRows(const FitCriteria& c) {
  std::vector<CriterionRow> rows = {{"Adjusted R Squared", FixedText(c.adjustedRSquared, 6)},
                                    {"F Stat", ScientificText(c.fStat, 8)},
                                    {"F P Value", ScientificText(c.fPValue, 4)},
                                    {"AICc", FixedText(c.aicc, 6)},
                                    {"BIC", FixedText(c.bic, 6)},
                                    {"Predicted R Squared", FixedText(c.predictedRSquared, 6)},
                                    {"Residual Std Error", FixedText(c.residualStdError, 6)}};
  if (!c.weighting.empty()) {
    rows.push_back({"Chi Squared", FixedText(c.chiSquared, 6)});
    rows.push_back({"Weights", c.weighting});
  }
  return rows;
}

std::vector<IntervalRow> IntervalRows(const EquationStatistics& statistics, const FitCriteria& criteria) {
  std::vector<IntervalRow> rows;
  for (size_t k = 0; k < criteria.coefficientCi95.size() && k < statistics.terms.size(); ++k)
    rows.push_back({statistics.terms[k].label, ScientificText(criteria.coefficientCi95[k].lower, 8),
                    ScientificText(criteria.coefficientCi95[k].upper, 8)});
  return rows;
}

std::string CopyCriteriaText(const EquationStatistics& statistics, const FitCriteria& criteria) {
  std::string text;
  for (const CriterionRow& row : CriterionRows(criteria)) text += row.name + '\t' + row.value + "\r\n";
  text += "\r\nTerm\tLower 95%\tUpper 95%\r\n";
  for (const IntervalRow& row : IntervalRows(statistics, criteria))
    text += row.label + '\t' + row.lower + '\t' + row.upper + "\r\n";
  return text;
}

}  // namespace rv
