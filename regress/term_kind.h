#pragma once

#include <cstdint>
#include <string>

namespace rv {

// Kind numbers 1 to 16 are the ordinary term kinds in their table order;
// 17 to 19 are the pieces of the rational form (aX + c) / (1 - bX).
enum TermKind : std::uint8_t {
  kTermX = 1,
  kTermX2,
  kTermX3,
  kTermX4,
  kTermInvX,
  kTermInvX2,
  kTermInvX3,
  kTermInvX4,
  kTermSqrt,
  kTermInvSqrt,
  kTermLn,
  kTermInvLn,
  kTermExp,
  kTermInvExp,
  kTermProduct,
  kTermRatio,
  kRationalLinear,
  kRationalSquare,
  kRationalDenominator
};
inline constexpr int kOrdinaryKindCount = 16;

// One column of a candidate: its kind, its variable and the second variable
// (1 to 16 are X1 to X16; 0 means none).
struct Term {
  std::uint8_t kind = 0;
  std::uint8_t variable = 0;
  std::uint8_t variable2 = 0;
  friend bool operator==(const Term&, const Term&) = default;
};

constexpr bool IsOrdinaryKind(int kind) { return kind >= kTermX && kind <= kTermRatio; }
constexpr bool UsesSecondVariable(int kind) { return kind == kTermProduct || kind == kTermRatio; }

// A two-variable kind without a second variable can never be built.
constexpr bool TermAlwaysFaults(const Term& term) { return UsesSecondVariable(term.kind) && term.variable2 == 0; }

// The column value of a term at one point: x is the term's variable, x2 its
// second variable and transformedY the point's transformed Y. False when the
// point fails the term's guard.
bool TermColumnValue(int kind, double x, double x2, double transformedY, double& value);

// Appends the term's display text. Ordinary kinds use and advance the
// coefficient letter; the rational pieces write the letters a, b, c themselves.
void AppendTermText(std::string& text, const Term& term, char& letter);

// An ordinary term evaluated for single values p (its variable) and q (its
// second variable). The rational pieces have no value of their own: a
// rational equation is evaluated as a whole.
double TermFunction(int kind, double p, double q);

}  // namespace rv
