#include "stats/band_function_text.h"

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "sheet/value_text.h"
#include "stats/confidence_band.h"
#include "stats/equation_body.h"
#include "stats/fixed_form_lines.h"
#include "stats/parameter_names.h"

namespace rv {

namespace {

// What differs between the languages; every statement is "indent, target,
// = , expression, end".
struct Spelling {
  CodeDialect dialect;
  const char* indent;
  const char* statementEnd;
  const char* commentStart;
  const char* commentEnd;
  char exponent;
  const char* sqrtOpen;  // around V + Pred
  const char* sqrtClose;
  const char* name;
  const char* pred;
};

Spelling SpellingOf(FunctionLanguage language) {
  switch (language) {
    case FunctionLanguage::Basic:
      return {CodeDialect::Basic, "    ", "", "' ", "", 'E', "(", ") ^ 0.5", "FuncBand", "Pred"};
    case FunctionLanguage::C:
    case FunctionLanguage::Cpp:
      return {CodeDialect::C, "    ", ";", "/*  ", "  */", 'E', "sqrt (", ")", "FuncBand", "Pred"};
    case FunctionLanguage::Fortran:
      return {CodeDialect::Fortran, "      ", "", "C     ", "", 'D', "DSQRT (", ")", "FUNCB", "PRED"};
  }
  return SpellingOf(FunctionLanguage::C);
}

std::string Concatenated(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text += part;
  return text;
}

// Seventeen significant digits: the double reads back as itself.
std::string Literal(double value, char exponent) {
  std::string text = FormatText("%.16E", value);
  for (char& c : text)
    if (c == 'E') c = exponent;
  return text.front() == '-' ? "(" + text + ")" : text;
}

std::string Names(const std::vector<std::string>& names, const std::string& pred) {
  std::string text;
  for (const std::string& name : names) text += name + ", ";
  return text + pred;
}

class BandWriter {
 public:
  explicit BandWriter(const Spelling& spelling) : s_(spelling) {}

  void comment(const std::string& text) { out_ += s_.commentStart + text + s_.commentEnd + "\r\n"; }
  void line(const std::string& text) { out_ += text + "\r\n"; }
  void statement(const std::string& target, const std::string& expression) {
    out_ += s_.indent + target + " = " + expression + s_.statementEnd + "\r\n";
  }
  std::string literal(double value) const { return Literal(value, s_.exponent); }
  std::string text() const { return out_; }

 private:
  Spelling s_;
  std::string out_;
};

std::string Variable(const Spelling& s, char letter, size_t index) {
  const char name = s.dialect == CodeDialect::Fortran ? static_cast<char>(letter - 'a' + 'A') : letter;
  return name + std::to_string(index + 1);
}

}  // namespace

std::string GenerateBandFunctionText(const FitWorkspace& workspace, FunctionLanguage language, double level) {
  const ConfidenceBands bands = BuildConfidenceBands(workspace, level);
  if (workspace.candidate.rational || !bands.covariance.defined) return {};
  const CoefficientCovariance& c = bands.covariance;
  const Spelling s = SpellingOf(language);
  const bool fortran = s.dialect == CodeDialect::Fortran;
  const std::vector<std::string> parameters = ParameterNames(workspace.text);
  const size_t p = c.w.size();
  BandWriter out(s);

  out.comment(FormatText("Regrovantis Band (%s): half-width of the %g%% bands", s.name, level * 100.0));
  if (workspace.set() != EquationSet::Y) out.comment("on the scale of the transformed Y that Func maps back");
  // A weighted fit knows no variance of a new observation: its caller gives
  // that observation's sigma squared, on the scale the fit is made on.
  const bool weighted = workspace.weights.weighted();
  if (weighted) {
    out.comment(std::string(s.pred) + " = 0: the band of the mean; for that of a new observation,");
    out.comment("its sigma squared on that scale (the fit is weighted by sigma)");
  } else {
    out.comment(std::string(s.pred) + " = 0: the band of the mean; 1: of a new observation");
  }
  out.line("");
  const std::string head = Names(parameters, s.pred);
  switch (s.dialect) {
    case CodeDialect::Basic: out.line(std::string("Function FuncBand(") + head + ")"); break;
    case CodeDialect::C: {
      std::string cHead = "double FuncBand (";
      for (const std::string& name : parameters) cHead += "double " + name + ", ";
      out.line(cHead + (weighted ? "double Pred) {" : "int Pred) {"));
      break;
    }
    case CodeDialect::Fortran: out.line("      FUNCTION FUNCB (" + head + ")"); break;
  }
  out.line("");
  std::string locals = "V";
  for (size_t j = 0; j < p; ++j) locals += ", " + Variable(s, 'z', j) + ", " + Variable(s, 'u', j);
  if (fortran) {
    out.line("      REAL*8  FUNCB, PRED");
    for (const std::string& name : parameters) out.line("      REAL*8  " + name);
    out.line("      REAL*8  " + locals);
    out.line("");
  } else if (s.dialect == CodeDialect::C) {
    out.line("    double  " + locals + ";");
    out.line("");
  }
  // z_j: the term standardised as the fit standardised its column; u_k: its
  // part along orthogonal column k.
  for (size_t j = 0; j < p; ++j) {
    const ColumnScale& scale = c.columnScales[j];
    out.statement(Variable(s, 'z', j),
                  Concatenated({"(", TermValueExpression(workspace.candidate.terms[j], s.dialect), " - ",
                                out.literal(scale.mean), ") / ", out.literal(scale.length)}));
  }
  for (size_t k = 0; k < p; ++k) {
    const std::string u = Variable(s, 'u', k);
    out.statement(u, Variable(s, 'z', k));
    for (size_t j = 0; j < k; ++j)
      out.statement(u, Concatenated({u, " + ", out.literal(c.w[j][k]), " * ", Variable(s, 'z', j)}));
  }
  out.statement("V", out.literal(1.0 / c.weightSum));
  for (size_t k = 0; k < p; ++k) {
    const std::string u = Variable(s, 'u', k);
    out.statement("V", Concatenated({"V + ", u, " * ", u, " * ", out.literal(c.inverseSquares[k])}));
  }
  const double scale = bands.critical * c.yScale * std::sqrt(c.residualVariance);
  const std::string result = out.literal(scale) + " * " + s.sqrtOpen + "V + " + s.pred + s.sqrtClose;
  switch (s.dialect) {
    case CodeDialect::Basic:
      out.statement("FuncBand", result);
      out.line("");
      out.line("End Function");
      break;
    case CodeDialect::C:
      out.line("");
      out.line("    return " + result + ";}");
      out.line("");
      break;
    case CodeDialect::Fortran:
      out.statement("FUNCB", result);
      out.line("");
      out.line("      RETURN");
      out.line("      END");
      out.line("");
      break;
  }
  return fortran ? FitFixedFormLines(out.text()) : out.text();
}

}  // namespace rv
