#include "regress/term_kind.h"

#include <cmath>
#include <cstdio>

namespace rv {

namespace {

// A term's value stands when it is a number the fit can use: a reciprocal of
// a nonzero value, a logarithm of a positive one, and whatever the kind, a
// finite result (a power or an exponential that overflows, a reciprocal of a
// value so small that it overflows, 1/ln 1). Values as small as 1e-21 (an
// energy in joules) are values like any other.
bool Stands(double value, double& out) {
  out = value;
  return std::isfinite(value);
}

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
    case kTermX2: return Stands(x * x, value);
    case kTermX3: return Stands(x * x * x, value);
    case kTermX4: return Stands((x * x) * (x * x), value);
    case kTermInvX: return x != 0.0 && Stands(1.0 / x, value);
    case kTermInvX2: return x != 0.0 && Stands(1.0 / (x * x), value);
    case kTermInvX3: return x != 0.0 && Stands(1.0 / (x * x * x), value);
    case kTermInvX4: return x != 0.0 && Stands(1.0 / ((x * x) * (x * x)), value);
    case kTermSqrt: return x >= 0.0 && Stands(std::sqrt(x), value);
    case kTermInvSqrt: return x > 0.0 && Stands(1.0 / std::sqrt(x), value);
    case kTermLn: return x > 0.0 && Stands(std::log(x), value);
    case kTermInvLn: return x > 0.0 && Stands(1.0 / std::log(x), value);
    case kTermExp: return Stands(std::exp(x), value);
    case kTermInvExp: return Stands(1.0 / std::exp(x), value);
    case kTermProduct: return Stands(x * x2, value);
    case kTermRatio: return x2 != 0.0 && Stands(x / x2, value);
    case kRationalLinear: value = x; return true;
    case kRationalSquare: return Stands(x * x, value);
    case kRationalDenominator: return Stands(x * transformedY, value);
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
    case kTermInvX: return p != 0.0 ? 1.0 / p : p;
    case kTermInvX2: return p != 0.0 ? 1.0 / (p * p) : p;
    case kTermInvX3: return p != 0.0 ? 1.0 / (p * p * p) : p;
    case kTermInvX4: return p != 0.0 ? 1.0 / ((p * p) * (p * p)) : p;
    case kTermSqrt: return p >= 0.0 ? std::sqrt(p) : p;
    case kTermInvSqrt: return p > 0.0 ? 1.0 / std::sqrt(p) : p;
    case kTermLn: return p > 0.0 ? std::log(p) : p;
    case kTermInvLn: return p > 0.0 ? 1.0 / std::log(p) : p;
    case kTermExp: return std::exp(p);
    case kTermInvExp: return 1.0 / std::exp(p);
    case kTermProduct: return p * q;
    case kTermRatio: return q != 0.0 ? p / q : p;
  }
  return p;
}

}  // namespace rv
