#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace rv {

// What the equation list ranks by. R squared rewards every extra
// coefficient; adjusted R squared, AICc and BIC weigh the fit against the
// number of coefficients it took; predicted R squared asks how well the
// equation predicts each point fitted without it.
enum class RankingCriterion { RSquared, AdjustedRSquared, Aicc, Bic, PredictedRSquared };

inline constexpr std::array<RankingCriterion, 5> kRankingCriteria = {
    RankingCriterion::RSquared, RankingCriterion::AdjustedRSquared, RankingCriterion::Aicc, RankingCriterion::Bic,
    RankingCriterion::PredictedRSquared};

// "R squared", "Adjusted R squared", "AICc", "BIC", "Predicted R squared":
// the names the program shows.
const char* RankingCriterionName(RankingCriterion criterion);
// "r2", "adj-r2", "aicc", "bic", "pred-r2": the command line's and the
// settings file's words.
const char* RankingCriterionKey(RankingCriterion criterion);
std::optional<RankingCriterion> RankingCriterionFromKey(std::string_view key);

inline constexpr bool SmallerIsBetter(RankingCriterion criterion) {
  return criterion == RankingCriterion::Aicc || criterion == RankingCriterion::Bic;
}

// The fit criteria with N points and k coefficients, from the residual sum
// of squares SSE and the total sum of squares about the mean SST, on the
// scale of Y. Not a number where undefined:
//   adjusted R squared = 1 - (SSE / (N - k)) / (SST / (N - 1)); needs N - k >= 1 and SST > 0
//   AICc = N ln(SSE / N) + 2k + 2k(k + 1) / (N - k - 1); needs N - k - 1 >= 1 and SSE > 0
//   BIC  = N ln(SSE / N) + k ln(N); needs N - k >= 1 and SSE > 0
// (the least-squares forms, without the full likelihood's constants: only
// differences between equations on the same data mean anything), and
//   predicted R squared = 1 - PRESS / SST
// with PRESS the sum of the squared leave-one-out residuals. A fit weighted
// by 1 / sigma^2 puts chi squared, the weighted residual sum, in place of
// SSE, and the weighted sums in place of SST and PRESS. SSE and
// SST may be sums of the values times 2^-squaresExponent (SquaresExponent):
// the logarithms add that scale back.
double AdjustedRSquared(double sse, double sst, int points, int coefficients);
double Aicc(double sse, int points, int coefficients, int squaresExponent = 0);
double Bic(double sse, int points, int coefficients, int squaresExponent = 0);

// One candidate's sums as the search scores it.
struct ResidualScore {
  double ssRes = std::numeric_limits<double>::quiet_NaN();
  double sst = std::numeric_limits<double>::quiet_NaN();
  int points = 0;
  int coefficients = 0;  // k: the terms and the constant
  // The sums are of the values times 2^-squaresExponent; 0 on every sheet of
  // ordinary magnitude (SquaresExponent).
  int squaresExponent = 0;
  // The leave-one-out residual sum, on the scale of SSE; not a number where
  // it was not worked out or some point fixes its own fitted value.
  double press = std::numeric_limits<double>::quiet_NaN();

  double rSquared() const { return 1.0 - ssRes / sst; }
  double predictedRSquared() const { return 1.0 - press / sst; }
  // The criterion's own value, as the list shows it.
  double value(RankingCriterion criterion) const;
  // The value turned so that larger is better (AICc and BIC negated, which
  // is exact), the one order the list keeps.
  double merit(RankingCriterion criterion) const {
    if (criterion == RankingCriterion::RSquared) return rSquared();
    if (criterion == RankingCriterion::PredictedRSquared) return predictedRSquared();
    const double criterionValue = value(criterion);
    return SmallerIsBetter(criterion) ? -criterionValue : criterionValue;
  }
};

// Whether a candidate may be listed at all, whatever the list holds: its R
// squared above 0 and its criterion defined. Sets its merit either way.
inline bool MayEnterList(const ResidualScore& score, RankingCriterion criterion, double& merit) {
  merit = score.merit(criterion);
  return score.rSquared() > 0.0 && std::isfinite(merit);
}

}  // namespace rv
