#include "stats/coefficient_literal.h"

#include <cmath>

#include "stats/number_text.h"

namespace rv {

namespace {

// Below this magnitude "%.12f" keeps fewer than twelve significant digits.
constexpr double kSmallestFixedMagnitude = 0.1;

std::string WithExponentLetter(std::string text, char letter) {
  const size_t mark = text.find('E');
  if (mark != std::string::npos) text[mark] = letter;
  return text;
}

}  // namespace

std::string CoefficientLiteral(double value, char exponentLetter) {
  if (value == 0.0 || std::fabs(value) >= kSmallestFixedMagnitude) return FixedText(value, 12);
  return WithExponentLetter(ScientificText(value, 12), exponentLetter);
}

std::string FortranDataLiteral(double value) { return WithExponentLetter(ScientificText(value, 12, true), 'D'); }

}  // namespace rv
