#include "literal_reference.h"

#include <cmath>

#include "regress/walk.h"

namespace rv::testing {

namespace {

// Each point either gives its value or fails the guard.
bool Column(const Term& t, const SearchData& d, int i, const std::vector<double>& ty, double& out) {
  const double x = d.values[i][t.variable];
  const double w = d.values[i][t.variable2];
  switch (t.kind) {
    case 1: out = x; return true;
    case 2: out = x * x; return true;
    case 3: out = x * x * x; return true;
    case 4: out = (x * x) * (x * x); return true;
    case 5: out = 1.0 / x; return std::fabs(x) > 1e-20;
    case 6: out = 1.0 / (x * x); return std::fabs(x) > 1e-20;
    case 7: out = 1.0 / (x * x * x); return std::fabs(x) > 1e-20;
    case 8: out = 1.0 / ((x * x) * (x * x)); return std::fabs(x) > 1e-20;
    case 9: out = std::sqrt(x); return x >= 0.0;
    case 10: out = 1.0 / std::sqrt(x); return x > 1e-20;
    case 11: out = std::log(x); return x > 1e-20;
    case 12: out = 1.0 / std::log(x); return x > 1e-20;
    case 13: out = std::exp(x); return true;
    case 14: out = 1.0 / std::exp(x); return std::fabs(x) > 1e-20;
    case 15: out = x * w; return t.variable2 != 0;
    case 16: out = x / w; return t.variable2 != 0 && std::fabs(w) > 1e-20;
    case 17: out = x; return true;
    case 18: out = x * x; return true;
    case 19: out = x * ty[static_cast<size_t>(i)]; return true;
  }
  return false;
}

bool Transform(int set, double y, double& out) {
  switch (set) {
    case 1: out = y; return true;
    case 2: out = 1.0 / y; return std::fabs(y) > 1e-20;
    case 3: out = y * y; return y >= 0.0;
    case 4: out = y * y * y; return y >= 0.0;
    case 5: out = std::log(y); return y > 0.0;
    case 6: out = std::exp(y); return y > 0.0;
  }
  return false;
}

double Back(int set, double t) {
  switch (set) {
    case 2: return std::fabs(t) > 1e-20 ? 1.0 / t : t;
    case 3: return t >= 0.0 ? std::sqrt(t) : t;
    case 4: return t >= 0.0 ? std::pow(t, 0.333333333333) : t;
    case 5: return std::exp(t);
    case 6: return t > 0.0 ? std::log(t) : t;
  }
  return t;
}

}  // namespace

LiteralFit LiteralFitCandidate(const SearchData& data, const Candidate& candidate) {
  LiteralFit fit;
  const int n = data.pointCount;
  const int p = candidate.termCount;
  const int m = p + 1;
  std::vector<double> ty(static_cast<size_t>(n));
  std::vector<std::vector<double>> design(static_cast<size_t>(n), std::vector<double>(static_cast<size_t>(m), 0.0));
  bool fault = false;
  for (int i = 0; i < n; ++i)
    fault |= !Transform(EquationSetNumber(candidate.set), data.values[i][0], ty[static_cast<size_t>(i)]);
  for (int j = 0; j < p; ++j)
    for (int i = 0; i < n; ++i)
      fault |= !Column(candidate.terms[static_cast<size_t>(j)], data, i, ty,
                       design[static_cast<size_t>(i)][static_cast<size_t>(j)]);
  for (int i = 0; i < n; ++i) design[static_cast<size_t>(i)][static_cast<size_t>(p)] = 1.0;
  if (fault) return fit;
  fit.accepted = true;

  std::vector<std::vector<double>> a(static_cast<size_t>(m), std::vector<double>(static_cast<size_t>(m), 0.0));
  std::vector<double> b(static_cast<size_t>(m), 0.0);
  for (int i = 0; i < n; ++i)
    for (int r = 0; r < m; ++r) {
      for (int c = 0; c < m; ++c) a[r][c] += design[i][r] * design[i][c];
      b[r] += ty[i] * design[i][r];
    }
  for (int k = 0; k < p; ++k)
    for (int r = k + 1; r <= p; ++r) {
      const double f = a[r][k] / a[k][k];
      for (int c = k; c <= p; ++c) a[r][c] = a[r][c] - f * a[k][c];
      b[r] = b[r] - f * b[k];
    }
  fit.coefficients.assign(static_cast<size_t>(m), 0.0);
  auto& coef = fit.coefficients;
  for (int k = p; k >= 0; --k) {
    coef[k] = b[k] / a[k][k];
    for (int r = 0; r < k; ++r) b[r] = b[r] - coef[k] * a[r][k];
  }

  std::vector<double> observed(static_cast<size_t>(n));
  double ssRes = 0.0;
  for (int i = 0; i < n; ++i) {
    double fitted = 0.0;
    if (candidate.rational) {
      // The equation's own value (a u + c) / (1 - b x), not the row of the
      // linearised design, which holds the observed Y itself.
      const double u = design[i][0];
      const double x = data.values[i][candidate.terms[1].variable];
      double t = coef[0] * u;
      t = t + coef[2];
      double d = coef[1] * x;
      d = 1.0 - d;
      fitted = t / d;
    } else {
      for (int j = 0; j <= p; ++j) fitted += design[i][j] * coef[j];
    }
    const double yhat = Back(EquationSetNumber(candidate.set), fitted);
    const double y = Back(EquationSetNumber(candidate.set), ty[i]);
    observed[i] = y;
    ssRes += (y - yhat) * (y - yhat);
  }
  // The total sum of squares about the mean, in two passes; exactly 0 when
  // every observation is the same.
  double sumY = 0.0;
  bool allEqual = true;
  for (int i = 0; i < n; ++i) {
    sumY += observed[i];
    allEqual = allEqual && observed[i] == observed[0];
  }
  const double mean = sumY / n;
  double sst = 0.0;
  for (int i = 0; i < n && !allEqual; ++i) sst += (observed[i] - mean) * (observed[i] - mean);
  fit.ssRes = ssRes;
  fit.sst = sst;
  fit.rSquared = 1.0 - ssRes / sst;
  return fit;
}

double LiteralCriterion(RankingCriterion criterion, const LiteralFit& fit, int n, int k) {
  const double nan = std::nan("");
  const double nd = n, kd = k;
  const double logLikelihood = fit.ssRes > 0.0 ? nd * std::log(fit.ssRes / nd) : nan;
  switch (criterion) {
    case RankingCriterion::RSquared: return fit.rSquared;
    case RankingCriterion::AdjustedRSquared:
      return n - k >= 1 && fit.sst > 0.0 ? 1.0 - (fit.ssRes / (nd - kd)) / (fit.sst / (nd - 1.0)) : nan;
    case RankingCriterion::Aicc:
      return n - k - 1 >= 1 ? logLikelihood + 2.0 * kd + 2.0 * kd * (kd + 1.0) / (nd - kd - 1.0) : nan;
    case RankingCriterion::Bic: return n - k >= 1 ? logLikelihood + kd * std::log(nd) : nan;
  }
  return nan;
}

std::vector<LiteralEntry> LiteralSearch(const SearchData& data, const SearchShape& shape, std::int64_t* insertions,
                                        RankingCriterion criterion) {
  // Larger is better for R squared and adjusted R squared, smaller for AICc and BIC.
  const bool larger = criterion == RankingCriterion::RSquared || criterion == RankingCriterion::AdjustedRSquared;
  auto better = [larger](double a, double b) { return larger ? a > b : a < b; };
  std::vector<LiteralEntry> slots;
  std::int64_t insertCount = 0;
  for (const Segment& segment : CandidateSequence(shape).segmentsBetween(1, CountCandidates(shape))) {
    WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
      // More coefficients than points: no single fit, never listed.
      if (candidate.termCount + 1 > data.pointCount) return;
      const LiteralFit fit = LiteralFitCandidate(data, candidate);
      if (!fit.accepted || !(fit.rSquared > 0.0)) return;
      const double value = LiteralCriterion(criterion, fit, data.pointCount, candidate.termCount + 1);
      if (!std::isfinite(value)) return;
      const std::string text = EquationText(candidate);
      for (const LiteralEntry& entry : slots)
        if (entry.text == text) return;
      size_t slot = slots.size();
      if (slots.size() == 1000) {
        slot = 0;
        for (size_t i = 1; i < slots.size(); ++i)
          if (better(slots[slot].criterion, slots[i].criterion)) slot = i;
        if (!better(value, slots[slot].criterion)) return;
        slots[slot] = {fit.rSquared, value, ordinal, text};
      } else {
        slots.push_back({fit.rSquared, value, ordinal, text});
      }
      ++insertCount;
    });
  }
  if (insertions) *insertions = insertCount;

  // The list view's order, built the way the program fills it.
  std::vector<size_t> order;
  for (size_t i = 0; i < slots.size(); ++i) {
    size_t r = 0;
    while (r < order.size() && !better(slots[i].criterion, slots[order[r]].criterion)) ++r;
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(r), i);
  }
  std::vector<LiteralEntry> shown;
  for (size_t slot : order) shown.push_back(slots[slot]);
  return shown;
}

}  // namespace rv::testing
