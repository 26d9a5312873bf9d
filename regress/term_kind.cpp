#include "regress/term_kind.h"

#include <cmath>
#include <cstdio>

#include "regress/zero_guard.h"

namespace rv {

namespace {

bool AboveTiny(double x) { return std::fabs(x) > kZeroGuard; }
bool PositiveAboveTiny(double x) { return x > kZeroGuard; }

// The display formats of the ordinary kinds; %s is the coefficient letter.
constexpr const char* kNameFormats[kOrdinaryKindCount + 1] = {"",
                                                              " %sX%d +",
                                                              " %sX%d^2 +",
                                                              " %sX%d^3 +",
                                                              " %sX%d^4 +",
                                                              " %s/X%d +",
                                                              " %s/X%d^2 +",
                                                              " %s/X%d^3 +",
                                                              " %s/X%d^4 +",
                                                              " %s sqr(X%d) +",
                                                              " %s/sqr(X%d) +",
                                                              " %s ln(X%d) +",
                                                              " %s/ln(X%d) +",
                                                              " %s e^X%d +",
                                                              " %s/exp(X%d) +",
                                                              " %s X%d X%d +",
                                                              " %s X%d/X%d +"};

}  // namespace

bool TermColumnValue(int kind, double x, double x2, double transformedY, double& value) {
  switch (kind) {
    case kTermX: value = x; return true;
    case kTermX2: value = x * x; return true;
    case kTermX3: value = x * x * x; return true;
    case kTermX4: value = (x * x) * (x * x); return true;
    case kTermInvX:
      if (!AboveTiny(x)) return false;
      value = 1.0 / x;
      return true;
    case kTermInvX2:
      if (!AboveTiny(x)) return false;
      value = 1.0 / (x * x);
      return true;
    case kTermInvX3:
      if (!AboveTiny(x)) return false;
      value = 1.0 / (x * x * x);
      return true;
    case kTermInvX4:
      if (!AboveTiny(x)) return false;
      value = 1.0 / ((x * x) * (x * x));
      return true;
    case kTermSqrt:
      if (!(x >= 0.0)) return false;
      value = std::sqrt(x);
      return true;
    case kTermInvSqrt:
      if (!PositiveAboveTiny(x)) return false;
      value = 1.0 / std::sqrt(x);
      return true;
    case kTermLn:
      if (!PositiveAboveTiny(x)) return false;
      value = std::log(x);
      return true;
    case kTermInvLn:
      if (!PositiveAboveTiny(x)) return false;
      value = 1.0 / std::log(x);
      return true;
    case kTermExp: value = std::exp(x); return true;
    case kTermInvExp:
      if (!AboveTiny(x)) return false;
      value = 1.0 / std::exp(x);
      return true;
    case kTermProduct: value = x * x2; return true;
    case kTermRatio:
      if (!AboveTiny(x2)) return false;
      value = x / x2;
      return true;
    case kRationalLinear: value = x; return true;
    case kRationalSquare: value = x * x; return true;
    case kRationalDenominator: value = x * transformedY; return true;
  }
  return false;
}

void AppendTermText(std::string& text, const Term& term, char& letter) {
  char buffer[48];
  int length = 0;
  const char letterText[2] = {letter, '\0'};
  if (IsOrdinaryKind(term.kind)) {
    if (TermAlwaysFaults(term)) return;
    if (UsesSecondVariable(term.kind))
      length = std::snprintf(buffer, sizeof buffer, kNameFormats[term.kind], letterText, term.variable, term.variable2);
    else length = std::snprintf(buffer, sizeof buffer, kNameFormats[term.kind], letterText, term.variable);
    ++letter;
  } else if (term.kind == kRationalLinear) {
    length = std::snprintf(buffer, sizeof buffer, " (aX%d + c) ", term.variable);
  } else if (term.kind == kRationalSquare) {
    length = std::snprintf(buffer, sizeof buffer, " (aX%d^2 + c) ", term.variable);
  } else if (term.kind == kRationalDenominator) {
    length = std::snprintf(buffer, sizeof buffer, "/ (1 - bX%d)", term.variable);
  }
  if (length > 0) text.append(buffer, static_cast<size_t>(length));
}

double TermFunction(int kind, double p, double q) {
  switch (kind) {
    case kTermX: return p;
    case kTermX2: return p * p;
    case kTermX3: return p * p * p;
    case kTermX4: return (p * p) * (p * p);
    case kTermInvX: return AboveTiny(p) ? 1.0 / p : p;
    case kTermInvX2: return AboveTiny(p) ? 1.0 / (p * p) : p;
    case kTermInvX3: return AboveTiny(p) ? 1.0 / (p * p * p) : p;
    case kTermInvX4: return AboveTiny(p) ? 1.0 / ((p * p) * (p * p)) : p;
    case kTermSqrt: return p >= 0.0 ? std::sqrt(p) : p;
    case kTermInvSqrt: return PositiveAboveTiny(p) ? 1.0 / std::sqrt(p) : p;
    case kTermLn: return PositiveAboveTiny(p) ? std::log(p) : p;
    case kTermInvLn: return PositiveAboveTiny(p) ? 1.0 / std::log(p) : p;
    case kTermExp: return std::exp(p);
    case kTermInvExp: return AboveTiny(p) ? 1.0 / std::exp(p) : p;
    case kTermProduct: return p * q;
    case kTermRatio: return q != 0.0 ? p / q : p;
  }
  return p;
}

}  // namespace rv
