#include "cli/search_json.h"

#include "cli/json_text.h"
#include "regress/y_uncertainty.h"
#include "sheet/value_text.h"

namespace rv::cli {

std::string SearchJson(int points, int columns, const SearchShape& shape, const SearchOutcome& outcome,
                       std::int64_t examined, int top, bool weighted) {
  std::string json = FormatText("{\n  \"points\": %d,\n  \"columns\": %d,\n  \"max_terms\": %d,\n  \"sets\": [", points,
                                columns, shape.maxTerms);
  bool first = true;
  for (EquationSet set : kEquationSets)
    if (shape.sets[set]) {
      json += FormatText("%s%d", first ? "" : ", ", EquationSetNumber(set));
      first = false;
    }
  json += FormatText(
      "],\n  \"rank_by\": %s,\n  \"candidates\": %lld,\n  \"examined\": %lld,\n  \"stopped\": %s,\n"
      "  \"outside_range\": %lld,\n  \"cannot_be_resolved\": %lld,\n  \"equations\": [",
      JsonString(RankingCriterionKey(outcome.list.criterion())).c_str(), static_cast<long long>(outcome.candidateCount),
      static_cast<long long>(examined), outcome.stopped ? "true" : "false",
      static_cast<long long>(outcome.refusals.outsideRange), static_cast<long long>(outcome.refusals.unresolved));
  if (weighted) json.insert(json.rfind("  \"candidates\""), "  \"weighting\": " + JsonString(kWeightingText) + ",\n");
  const bool leaveOneOut = outcome.list.criterion() == RankingCriterion::PredictedRSquared;
  const std::vector<int> order = outcome.list.sortOrder();
  for (int i = 0; i < static_cast<int>(order.size()) && i < top; ++i) {
    const EquationRecord& record = outcome.list.slot(order[static_cast<size_t>(i)]);
    const ResidualScore& score = record.score;
    json += FormatText(
        "%s\n    {\"r_squared\": %s, \"r_squared_text\": %s, \"ordinal\": %lld, \"equation\": %s, "
        "\"k\": %d, \"adjusted_r_squared\": %s, \"aicc\": %s, \"bic\": %s}",
        i == 0 ? "" : ",", JsonNumber(record.rSquared).c_str(), JsonString(record.rSquaredText).c_str(),
        static_cast<long long>(record.ordinal), JsonString(record.text).c_str(), score.coefficients,
        JsonNumber(score.value(RankingCriterion::AdjustedRSquared)).c_str(),
        JsonNumber(score.value(RankingCriterion::Aicc)).c_str(),
        JsonNumber(score.value(RankingCriterion::Bic)).c_str());
    if (leaveOneOut)
      json.insert(json.size() - 1, ", \"predicted_r_squared\": " + JsonNumber(score.predictedRSquared()));
  }
  json += FormatText("%s]\n}\n", order.empty() ? "" : "\n  ");
  return json;
}

}  // namespace rv::cli
