#include "literal_reference.h"

#include <algorithm>
#include <cmath>

#include "regress/walk.h"

namespace rv::testing {

namespace {

// Each point either gives its value or fails the guard: a reciprocal of a
// nonzero value, a logarithm of a positive one, a finite result.
bool Column(const Term& t, const SearchData& d, int i, const std::vector<double>& ty, double& out) {
  const double x = d.values[i][t.variable];
  const double w = d.values[i][t.variable2];
  bool inRange = true;
  switch (t.kind) {
    case 1: out = x; break;
    case 2: out = x * x; break;
    case 3: out = x * x * x; break;
    case 4: out = (x * x) * (x * x); break;
    case 5:
      out = 1.0 / x;
      inRange = x != 0.0;
      break;
    case 6:
      out = 1.0 / (x * x);
      inRange = x != 0.0;
      break;
    case 7:
      out = 1.0 / (x * x * x);
      inRange = x != 0.0;
      break;
    case 8:
      out = 1.0 / ((x * x) * (x * x));
      inRange = x != 0.0;
      break;
    case 9:
      out = std::sqrt(x);
      inRange = x >= 0.0;
      break;
    case 10:
      out = 1.0 / std::sqrt(x);
      inRange = x > 0.0;
      break;
    case 11:
      out = std::log(x);
      inRange = x > 0.0;
      break;
    case 12:
      out = 1.0 / std::log(x);
      inRange = x > 0.0;
      break;
    case 13: out = std::exp(x); break;
    case 14: out = 1.0 / std::exp(x); break;
    case 15:
      out = x * w;
      inRange = t.variable2 != 0;
      break;
    case 16:
      out = x / w;
      inRange = t.variable2 != 0 && w != 0.0;
      break;
    case 17: out = x; break;
    case 18: out = x * x; break;
    case 19: out = x * ty[static_cast<size_t>(i)]; break;
    default: return false;
  }
  return inRange && std::isfinite(out);
}

bool Transform(int set, double y, double& out) {
  bool inRange = true;
  switch (set) {
    case 1: out = y; break;
    case 2:
      out = 1.0 / y;
      inRange = y != 0.0;
      break;
    case 3:
      out = y * y;
      inRange = y >= 0.0;
      break;
    case 4:
      out = y * y * y;
      inRange = y >= 0.0;
      break;
    case 5:
      out = std::log(y);
      inRange = y > 0.0;
      break;
    case 6:
      out = std::exp(y);
      inRange = y > 0.0;
      break;
    default: return false;
  }
  return inRange && std::isfinite(out);
}

double Back(int set, double t) {
  switch (set) {
    case 2: return t != 0.0 ? 1.0 / t : t;
    case 3: return t >= 0.0 ? std::sqrt(t) : t;
    case 4: return t >= 0.0 ? std::pow(t, 0.333333333333) : t;
    case 5: return std::exp(t);
    case 6: return t > 0.0 ? std::log(t) : t;
  }
  return t;
}

// Eight running sums, point i into sum i % 8, then added in pairs: l with
// l + 4, l with l + 2, and the last two.
double Dot(const std::vector<double>& a, const std::vector<double>& b) {
  double s[8] = {};
  for (size_t i = 0; i < a.size(); ++i) s[i % 8] += a[i] * b[i];
  for (int l = 0; l < 4; ++l) s[l] = s[l] + s[l + 4];
  for (int l = 0; l < 2; ++l) s[l] = s[l] + s[l + 2];
  return s[0] + s[1];
}

// The sigma of a transformed Y, |dT/dY| sigma.
double TransformedSigma(int set, double y, double sigma) {
  switch (set) {
    case 2: return sigma / (y * y);
    case 3: return 2.0 * std::fabs(y) * sigma;
    case 4: return 3.0 * (y * y) * sigma;
    case 5: return sigma / std::fabs(y);
    case 6: return std::exp(y) * sigma;
  }
  return sigma;
}

// A column centred on its mean (the sum's mean, corrected by the mean of the
// deviations; both weighted by r^2 where root weights r are given) and
// divided by its length (taken of the deviations, times r, times the power
// of two that brings the largest near 1). False when its values are all
// equal, or do not differ by more than 1e-14 of their magnitude, or the
// largest deviation is not a normal number.
bool Standardise(const std::vector<double>& x, std::vector<double>& z, double& mean, double& length,
                 const std::vector<double>& r) {
  const size_t n = x.size();
  const bool weighted = !r.empty();
  bool allEqual = true;
  double sum = 0.0, largest = 0.0, weights = 0.0;
  for (size_t i = 0; i < n; ++i) {
    allEqual = allEqual && x[i] == x[0];
    sum += weighted ? r[i] * r[i] * x[i] : x[i];
    weights += weighted ? r[i] * r[i] : 1.0;
    largest = std::fmax(largest, std::fabs(x[i]));
  }
  mean = x[0];
  length = 0.0;
  if (allEqual) return false;
  const double rough = sum / weights;
  double correction = 0.0;
  for (size_t i = 0; i < n; ++i) correction += weighted ? r[i] * r[i] * (x[i] - rough) : x[i] - rough;
  mean = rough + correction / weights;
  double deviation = 0.0, weightedDeviation = 0.0;
  for (size_t i = 0; i < n; ++i) {
    deviation = std::fmax(deviation, std::fabs(x[i] - mean));
    weightedDeviation = std::fmax(weightedDeviation, std::fabs(weighted ? r[i] * (x[i] - mean) : x[i] - mean));
  }
  if (!std::isfinite(deviation) || !std::isfinite(largest) || !(deviation >= 2.2250738585072014e-308) ||
      !(deviation > 1e-14 * largest) || !std::isfinite(weightedDeviation) ||
      !(weightedDeviation >= 2.2250738585072014e-308))
    return false;
  int e = 0;
  std::frexp(weightedDeviation, &e);
  std::vector<double> near(n);
  for (size_t i = 0; i < n; ++i) near[i] = (weighted ? r[i] * (x[i] - mean) : x[i] - mean) * std::ldexp(1.0, -e);
  const double nearLength = std::sqrt(Dot(near, near));
  z.assign(n, 0.0);
  for (size_t i = 0; i < n; ++i) z[i] = near[i] / nearLength;
  length = std::ldexp(nearLength, e);
  return true;
}

}  // namespace

LiteralFit LiteralFitCandidate(const SearchData& data, const Candidate& candidate) {
  LiteralFit fit;
  const int n = data.pointCount;
  const int p = candidate.termCount;
  const int set = EquationSetNumber(candidate.set);
  std::vector<double> ty(static_cast<size_t>(n));
  std::vector<std::vector<double>> design(static_cast<size_t>(p), std::vector<double>(static_cast<size_t>(n), 0.0));
  bool fault = false;
  for (int i = 0; i < n; ++i) fault |= !Transform(set, data.values[i][0], ty[static_cast<size_t>(i)]);
  for (int j = 0; j < p; ++j)
    for (int i = 0; i < n; ++i)
      fault |= !Column(candidate.terms[static_cast<size_t>(j)], data, i, ty,
                       design[static_cast<size_t>(j)][static_cast<size_t>(i)]);
  // The weights: r = 1 / sigma of the transformed Y for the fit, 1 / sigma
  // of Y for the sums on the scale of Y.
  std::vector<double> sigmaT, r, rY;
  double weightSum = n;
  if (data.weighted) {
    weightSum = 0.0;
    for (int i = 0; i < n && !fault; ++i) {
      const double sigma = data.values[i][16];
      sigmaT.push_back(TransformedSigma(set, data.values[i][0], sigma));
      r.push_back(1.0 / sigmaT.back());
      rY.push_back(1.0 / sigma);
      weightSum += r.back() * r.back();
      fault |= !(sigmaT.back() > 0.0) || !std::isfinite(sigmaT.back()) || !(sigma > 0.0) || !std::isfinite(r.back()) ||
               !std::isfinite(rY.back());
    }
  }
  if (fault) return fit;
  fit.inRange = true;
  if (p + 1 > n) return fit;

  // The standardised columns and Y.
  std::vector<std::vector<double>> z(static_cast<size_t>(p));
  std::vector<double> mean(static_cast<size_t>(p)), length(static_cast<size_t>(p));
  for (int j = 0; j < p; ++j)
    if (!Standardise(design[j], z[j], mean[j], length[j], r)) return fit;
  std::vector<double> yz(static_cast<size_t>(n), 0.0);
  double yMean = 0.0, yLength = 0.0;
  Standardise(ty, yz, yMean, yLength, r);

  // From here on the points go in the scoring order: Y farthest from its
  // mean (the sum over N) first, ties in point order.
  std::vector<int> order(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) order[i] = i;
  double meanY = 0.0;
  for (int i = 0; i < n; ++i) meanY += data.values[i][0];
  meanY /= n;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return std::fabs(data.values[a][0] - meanY) > std::fabs(data.values[b][0] - meanY);
  });
  auto ordered = [&](const std::vector<double>& byPoint) {
    std::vector<double> result(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) result[k] = byPoint[order[k]];
    return result;
  };
  yz = ordered(yz);
  for (int j = 0; j < p; ++j) z[j] = ordered(z[j]);

  // Modified Gram-Schmidt in term order on unnormalised columns a_j: a
  // column loses (a_i . a) / (a_i . a_i) times a_i for each i before it, a
  // second pass where the first left less than a tenth of its length, the
  // rank test at 1e-5 of the raw length. Z = A U, y = A h + residual.
  std::vector<std::vector<double>> a(static_cast<size_t>(p));
  std::vector<double> inverse(static_cast<size_t>(p)), h(static_cast<size_t>(p));
  std::vector<std::vector<double>> u(static_cast<size_t>(p), std::vector<double>(static_cast<size_t>(p), 0.0));
  std::vector<double> residual = yz;
  for (int j = 0; j < p; ++j) {
    std::vector<double> column = z[j];
    const double before = Dot(column, column);
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < j; ++i) {
        const double c = Dot(a[i], column) * inverse[i];
        for (int k = 0; k < n; ++k) column[k] = column[k] - c * a[i][k];
        u[i][j] += c;
      }
      if (!(Dot(column, column) < 1e-2 * before)) break;
    }
    // The rank test against the raw length, the squared length plus the
    // points times the squared mean over the length, for a term whose values
    // are computed; against the squared length for X itself.
    const int kind = candidate.terms[static_cast<size_t>(j)].kind;
    const double offset = mean[j] / length[j];
    const double raw = kind == kTermX || kind == kRationalLinear ? before : before + weightSum * (offset * offset);
    const double left = Dot(column, column);
    if (!(left > 1e-10 * raw)) return fit;
    a[j] = column;
    inverse[j] = 1.0 / left;
    h[j] = Dot(a[j], residual) * inverse[j];
    for (int k = 0; k < n; ++k) residual[k] = residual[k] - h[j] * a[j][k];
  }
  fit.resolved = true;

  // Coefficients by back substitution (U is unit upper triangular), then for
  // the columns as they are.
  std::vector<double> b(static_cast<size_t>(p));
  for (int j = p - 1; j >= 0; --j) {
    double s = h[j];
    for (int i = j + 1; i < p; ++i) s = s - u[j][i] * b[i];
    b[j] = s;
  }
  fit.coefficients.assign(static_cast<size_t>(p) + 1, 0.0);
  auto& coef = fit.coefficients;
  coef[p] = yMean;
  for (int j = 0; j < p; ++j) {
    coef[j] = b[j] * yLength / length[j];
    coef[p] = coef[p] - coef[j] * mean[j];
  }

  // Every point's observation mapped back, its fitted value (the equation's
  // own for a rational form, whose linearised design holds the observed Y),
  // and the sums of squares, of values times 2^-e where the largest
  // observation lies beyond 2^+-400.
  std::vector<double> observed(static_cast<size_t>(n)), fitted(static_cast<size_t>(n));
  double largest = 0.0;
  for (int k = 0; k < n; ++k) {
    const int i = order[k];
    observed[i] = Back(set, ty[i]);
    largest = std::fmax(largest, std::fabs(observed[i]));
    if (candidate.rational) {
      const double u = design[0][i];
      const double x = data.values[i][candidate.terms[1].variable];
      double t = coef[0] * u;
      t = t + coef[2];
      double d = coef[1] * x;
      d = 1.0 - d;
      fitted[i] = t / d;
    } else {
      fitted[i] = data.weighted ? yMean + yLength * ((yz[k] - residual[k]) * sigmaT[i])
                                : yMean + yLength * (yz[k] - residual[k]);
    }
  }
  if (data.weighted) {
    largest = 0.0;
    for (int i = 0; i < n; ++i) largest = std::fmax(largest, std::fabs(observed[i] * rY[i]));
  }
  int e = 0;
  if (std::isfinite(largest) && largest > 0.0) std::frexp(largest, &e);
  if (e >= -400 && e <= 400) e = 0;
  auto scale = [&](int i) { return data.weighted ? std::ldexp(rY[i], -e) : std::ldexp(1.0, -e); };
  double ssRes = 0.0;
  for (int k = 0; k < n; ++k) {
    const double d = (observed[order[k]] - Back(set, fitted[order[k]])) * scale(order[k]);
    ssRes += d * d;
  }

  // PRESS: each residual over 1 - h, h = r^2 / sum r^2 (1 / N without
  // weights) + sum over the columns of a_j^2 / (a_j . a_j), mapped back.
  fit.press = 0.0;
  for (int k = 0; k < n && !candidate.rational; ++k) {
    const int i = order[k];
    double hat = data.weighted ? r[i] * r[i] / weightSum : 1.0 / n;
    for (int j = 0; j < p; ++j) hat += a[j][k] * a[j][k] * inverse[j];
    const double oneLess = 1.0 - hat;
    if (!(oneLess > 1e-10)) {
      fit.press = std::nan("");
      break;
    }
    const double standard = yz[k] - residual[k] / oneLess;
    const double left = data.weighted ? yMean + yLength * (standard * sigmaT[i]) : yMean + yLength * standard;
    const double d = (observed[i] - Back(set, left)) * scale(i);
    fit.press += d * d;
  }
  if (candidate.rational) fit.press = std::nan("");

  // The total sum of squares about the (weighted) mean, in two passes;
  // exactly 0 when every observation is the same.
  double sumY = 0.0, sumWeights = 0.0;
  bool allEqual = true;
  for (int i = 0; i < n; ++i) {
    observed[i] = std::ldexp(observed[i], -e);
    const double w = data.weighted ? rY[i] * rY[i] : 1.0;
    sumY += data.weighted ? w * observed[i] : observed[i];
    sumWeights += w;
    allEqual = allEqual && observed[i] == observed[0];
  }
  const double mean0 = sumY / sumWeights;
  double sst = 0.0;
  for (int i = 0; i < n && !allEqual; ++i) {
    const double d = data.weighted ? rY[i] * (observed[i] - mean0) : observed[i] - mean0;
    sst += d * d;
  }
  fit.squaresExponent = e;
  fit.ssRes = ssRes;
  fit.sst = sst;
  fit.rSquared = 1.0 - ssRes / sst;
  return fit;
}

double LiteralCriterion(RankingCriterion criterion, const LiteralFit& fit, int n, int k) {
  const double nan = std::nan("");
  const double nd = n, kd = k;
  const double logLikelihood = !(fit.ssRes > 0.0) ? nan
                               : fit.squaresExponent == 0
                                   ? nd * std::log(fit.ssRes / nd)
                                   : nd * (std::log(fit.ssRes / nd) + 2.0 * fit.squaresExponent * std::log(2.0));
  switch (criterion) {
    case RankingCriterion::RSquared: return fit.rSquared;
    case RankingCriterion::AdjustedRSquared:
      return n - k >= 1 && fit.sst > 0.0 ? 1.0 - (fit.ssRes / (nd - kd)) / (fit.sst / (nd - 1.0)) : nan;
    case RankingCriterion::Aicc:
      return n - k - 1 >= 1 ? logLikelihood + 2.0 * kd + 2.0 * kd * (kd + 1.0) / (nd - kd - 1.0) : nan;
    case RankingCriterion::Bic: return n - k >= 1 ? logLikelihood + kd * std::log(nd) : nan;
    case RankingCriterion::PredictedRSquared: return 1.0 - fit.press / fit.sst;
  }
  return nan;
}

std::vector<LiteralEntry> LiteralSearch(const SearchData& data, const SearchShape& shape, std::int64_t* insertions,
                                        RankingCriterion criterion, RefusalCount* refusals) {
  // Larger is better for R squared and adjusted R squared, smaller for AICc and BIC.
  const bool larger = criterion != RankingCriterion::Aicc && criterion != RankingCriterion::Bic;
  auto better = [larger](double a, double b) { return larger ? a > b : a < b; };
  std::vector<LiteralEntry> slots;
  std::int64_t insertCount = 0;
  for (const Segment& segment : CandidateSequence(shape).segmentsBetween(1, CountCandidates(shape))) {
    WalkSegment(shape, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
      const LiteralFit fit = LiteralFitCandidate(data, candidate);
      if (refusals && segment.repeatShift == 0) {
        refusals->outsideRange += !fit.inRange;
        refusals->unresolved += fit.inRange && !fit.resolved;
      }
      if (!fit.resolved || !(fit.rSquared > 0.0)) return;
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
  shown.reserve(order.size());
  for (size_t slot : order) shown.push_back(slots[slot]);
  return shown;
}

}  // namespace rv::testing
