#include "regress/ranking_criterion.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// N ln(SSE / N), the part AICc and BIC share; undefined for an exact fit,
// whose likelihood has no maximum.
double LogLikelihoodTerm(double sse, double n, int squaresExponent) {
  if (!(sse > 0.0)) return kNaN;
  if (squaresExponent == 0) return n * std::log(sse / n);
  return n * (std::log(sse / n) + 2.0 * squaresExponent * std::log(2.0));
}

}  // namespace

const char* RankingCriterionName(RankingCriterion criterion) {
  switch (criterion) {
    case RankingCriterion::RSquared: return "R squared";
    case RankingCriterion::AdjustedRSquared: return "Adjusted R squared";
    case RankingCriterion::Aicc: return "AICc";
    case RankingCriterion::Bic: return "BIC";
    case RankingCriterion::PredictedRSquared: return "Predicted R squared";
  }
  return "";
}

const char* RankingCriterionKey(RankingCriterion criterion) {
  switch (criterion) {
    case RankingCriterion::RSquared: return "r2";
    case RankingCriterion::AdjustedRSquared: return "adj-r2";
    case RankingCriterion::Aicc: return "aicc";
    case RankingCriterion::Bic: return "bic";
    case RankingCriterion::PredictedRSquared: return "pred-r2";
  }
  return "";
}

std::optional<RankingCriterion> RankingCriterionFromKey(std::string_view key) {
  for (RankingCriterion criterion : kRankingCriteria)
    if (key == RankingCriterionKey(criterion)) return criterion;
  return std::nullopt;
}

double AdjustedRSquared(double sse, double sst, int points, int coefficients) {
  const double n = points;
  const double residualDf = n - coefficients;
  if (!(residualDf >= 1.0) || !(sst > 0.0)) return kNaN;
  return 1.0 - (sse / residualDf) / (sst / (n - 1.0));
}

double Aicc(double sse, int points, int coefficients, int squaresExponent) {
  const double n = points;
  const double k = coefficients;
  const double aiccDf = n - k - 1.0;
  if (!(aiccDf >= 1.0)) return kNaN;
  return LogLikelihoodTerm(sse, n, squaresExponent) + 2.0 * k + 2.0 * k * (k + 1.0) / aiccDf;
}

double Bic(double sse, int points, int coefficients, int squaresExponent) {
  const double n = points;
  const double k = coefficients;
  if (!(n - k >= 1.0)) return kNaN;
  return LogLikelihoodTerm(sse, n, squaresExponent) + k * std::log(n);
}

double ResidualScore::value(RankingCriterion criterion) const {
  switch (criterion) {
    case RankingCriterion::RSquared: return rSquared();
    case RankingCriterion::AdjustedRSquared: return AdjustedRSquared(ssRes, sst, points, coefficients);
    case RankingCriterion::Aicc: return Aicc(ssRes, points, coefficients, squaresExponent);
    case RankingCriterion::Bic: return Bic(ssRes, points, coefficients, squaresExponent);
    case RankingCriterion::PredictedRSquared: return predictedRSquared();
  }
  return kNaN;
}

}  // namespace rv
