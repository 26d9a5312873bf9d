#include "stats/equation_body.h"

#include "regress/y_form.h"
#include "stats/coefficient_letter.h"

namespace rv {

namespace {

// Per dialect: BASIC, C, FORTRAN.
struct Spellings {
  const char* basic;
  const char* c;
  const char* fortran;

  const char* of(CodeDialect dialect) const {
    switch (dialect) {
      case CodeDialect::Basic: return basic;
      case CodeDialect::C: return c;
      case CodeDialect::Fortran: return fortran;
    }
    return c;
  }
};

// The head undoes the transform of Y; "Y^3 =" opens the power whose exponent
// the closing writes, the same 0.333333333333 the program back-transforms with.
Spellings Head(EquationSet set) {
  switch (set) {
    case EquationSet::Y: break;
    case EquationSet::Log: return {"    Func = Exp (", "    Y = exp (", "      FUNC = DEXP ("};
    case EquationSet::Exp: return {"    Func = Log (", "    Y = log (", "      FUNC = DLOG ("};
    case EquationSet::Square: return {"    Func = (", "    Y = sqrt (", "      FUNC = DSQRT ("};
    case EquationSet::Cube: return {"    Func = (", "    Y = pow (", "      FUNC = ("};
    case EquationSet::Reciprocal: return {"    Func = 1# / (", "    Y = 1.0 / (", "      FUNC = 1.0 / ("};
  }
  return {"    Func = (", "    Y = (", "      FUNC = ("};
}

// What follows the constant's letter.
Spellings Closing(EquationSet set) {
  switch (set) {
    case EquationSet::Square: return {")^0.5", ");", ")"};
    case EquationSet::Cube: return {")^0.333333333333", ", 0.333333333333);", ") ** 0.333333333333D0"};
    case EquationSet::Y:
    case EquationSet::Reciprocal:
    case EquationSet::Log:
    case EquationSet::Exp: break;
  }
  return {")", ");", ")"};
}

// %s is the term's coefficient letter; each %d takes the next variable
// number: the term's variable, or for the cross product and the ratio the
// variable and then the second variable.
Spellings TermRendering(int kind) {
  switch (kind) {
    case kTermX: return {"%s * X%d + ", "%s * X%d + ", "%s * X%d + "};
    case kTermX2: return {"%s * X%d * X%d + ", "%s * X%d * X%d + ", "%s * X%d * X%d + "};
    case kTermX3: return {"%s * X%d * X%d * X%d + ", "%s * X%d * X%d * X%d + ", "%s * X%d * X%d * X%d + "};
    case kTermX4:
      return {"%s * X%d * X%d * X%d * X%d + ", "%s * X%d * X%d * X%d * X%d + ", "%s * X%d * X%d * X%d * X%d + "};
    case kTermInvX: return {"%s / X%d + ", "%s / X%d + ", "%s / X%d + "};
    case kTermInvX2: return {"%s / (X%d * X%d) + ", "%s / (X%d * X%d) + ", "%s / (X%d * X%d) + "};
    case kTermInvX3: return {"%s / (X%d * X%d * X%d) + ", "%s / (X%d * X%d * X%d) + ", "%s / (X%d * X%d * X%d) + "};
    case kTermInvX4:
      return {"%s / (X%d * X%d * X%d * X%d) + ", "%s / (X%d * X%d * X%d * X%d) + ", "%s / (X%d * X%d * X%d * X%d) + "};
    case kTermSqrt: return {"%s * X%d ^ 0.5 + ", "%s * sqrt (X%d) + ", "%s * DSQRT (X%d) + "};
    case kTermInvSqrt: return {"%s / X%d ^ 0.5 + ", "%s / sqrt (X%d) + ", "%s / DSQRT (X%d) + "};
    case kTermLn: return {"%s * Ln (X%d) + ", "%s * log (X%d) + ", "%s * DLOG (X%d) + "};
    case kTermInvLn: return {"%s / Ln (X%d) + ", "%s / log (X%d) + ", "%s / DLOG (X%d) + "};
    case kTermExp: return {"%s * Exp (X%d) + ", "%s * exp (X%d) + ", "%s * DEXP (X%d) + "};
    case kTermInvExp: return {"%s / Exp (X%d) + ", "%s / exp (X%d) + ", "%s / DEXP (X%d) + "};
    case kTermProduct: return {"%s * X%d * X%d + ", "%s * X%d * X%d + ", "%s * X%d * X%d + "};
    case kTermRatio: return {"%s * X%d / X%d + ", "%s * X%d / X%d + ", "%s * X%d / X%d + "};
    case kRationalLinear: return {"(%s * X%d + c) ", "(%s * X%d + c) ", "(%s * X%d + C) "};
    case kRationalSquare: return {"(%s * X%d * X%d + c) ", "(%s * X%d * X%d + c) ", "(%s * X%d * X%d + C) "};
    case kRationalDenominator: return {"/ (1 - %s * X%d)", "/ (1.0 - %s * X%d)", "/ (1.0 - %s * X%d)"};
  }
  return {"", "", ""};
}

std::string RenderTerm(const char* format, char letter, const Term& term) {
  std::string text;
  bool secondVariableNext = false;
  for (const char* c = format; *c != '\0'; ++c) {
    if (c[0] == '%' && c[1] == 's') {
      text += letter;
      ++c;
    } else if (c[0] == '%' && c[1] == 'd') {
      const bool useSecond = secondVariableNext && UsesSecondVariable(term.kind);
      text += std::to_string(useSecond ? term.variable2 : term.variable);
      secondVariableNext = true;
      ++c;
    } else {
      text += *c;
    }
  }
  return text;
}

}  // namespace

std::string BuildEquationBody(const Candidate& candidate, CodeDialect dialect) {
  const bool upperCase = dialect == CodeDialect::Fortran;
  std::string body = Head(candidate.set).of(dialect);
  for (int k = 0; k < candidate.termCount; ++k) {
    const Term& term = candidate.terms[k];
    body += RenderTerm(TermRendering(term.kind).of(dialect), CoefficientLetter(k, upperCase), term);
  }
  if (candidate.rational) return body + (dialect == CodeDialect::C ? ");" : ")");
  return body + CoefficientLetter(candidate.termCount, upperCase) + Closing(candidate.set).of(dialect);
}

std::string TermValueExpression(const Term& term, CodeDialect dialect) {
  std::string text = RenderTerm(TermRendering(term.kind).of(dialect), '1', term);
  const std::string joint = " + ";
  if (text.ends_with(joint)) text.resize(text.size() - joint.size());
  const std::string unit = "1 * ";
  if (text.starts_with(unit)) text.erase(0, unit.size());
  return text;
}

}  // namespace rv
