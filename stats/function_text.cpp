#include "stats/function_text.h"

#include <cctype>

#include "stats/coefficient_letter.h"
#include "stats/coefficient_literal.h"
#include "stats/equation_body.h"
#include "stats/fixed_form_lines.h"
#include "stats/parameter_names.h"
#include "stats/split_long_line.h"

namespace rv {

namespace {

enum class Listing { File, Printout };

std::string Joined(const std::vector<std::string>& names, const std::string& prefix, const std::string& separator) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) text += (i == 0 ? "" : separator) + prefix + names[i];
  return text;
}

// The file breaks C's parameter line before the 5th, 10th, 15th ... parameter,
// so that the first line holds four and every further line five.
std::string CParameters(const std::vector<std::string>& names, Listing listing) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += ", ";
    if (listing == Listing::File && i % 5 == 4) text += "\r\n             ";
    text += "double " + names[i];
  }
  return text;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string BasicText(const FitWorkspace& ws, Listing listing) {
  const bool file = listing == Listing::File;
  std::string text = file ? "' Regrovantis Function (Func)\r\n' " + SplitLongLine(ws.text, "\r\n'   ")
                          : "' Regrovantis Function (Func)'\r\n" + SplitLongLine("' " + ws.text, "\r\n'   ");
  text += "\r\n\r\nFunction Func(" + Joined(ParameterNames(ws.text), "", ", ") + ")\r\n\r\n";
  for (int k = 0; k < ws.coefficientCount(); ++k)
    text +=
        std::string("    Const ") + CoefficientLetter(k) + " = " + CoefficientLiteral(ws.coefficients[k], 'E') + "\r\n";
  text += "\r\n" + SplitLongLine(BuildEquationBody(ws.candidate, CodeDialect::Basic),
                                 file ? " _\r\n         " : "\r\n         ");
  return text + "\r\n\r\nEnd Function\r\n";
}

std::string CText(const FitWorkspace& ws, Listing listing) {
  const bool file = listing == Listing::File;
  std::string text =
      file ? "/*  Regrovantis Procedure (Func)  */\r\n/*  " + SplitLongLine(ws.text, "  */\r\n/*    ") + "  */\r\n\r\n"
           : "/*  Regrovantis Procedure (Func)  */\r\n" + SplitLongLine("/*  " + ws.text + "  */", "  */\r\n/*  ") +
                 "\r\n\r\n";
  text += "double Func (" + CParameters(ParameterNames(ws.text), listing) + (file ? ") { \r\n\r\n" : ")\r\n\r\n");
  for (int k = 0; k < ws.coefficientCount(); ++k)
    text += std::string("    double  ") + CoefficientLetter(k) + " = " + CoefficientLiteral(ws.coefficients[k], 'E') +
            ";\r\n";
  text += "    double  Y;\r\n\r\n" + SplitLongLine(BuildEquationBody(ws.candidate, CodeDialect::C), "\r\n      ");
  return text + "\r\n\r\n    return Y;}\r\n\r\n";
}

std::string FortranText(const FitWorkspace& ws, Listing listing) {
  const bool file = listing == Listing::File;
  const std::vector<std::string> parameters = ParameterNames(ws.text);
  std::string text = "C     REGROVANTIS FUNCTION (FUNC)\r\n";
  text += file ? "C     " + SplitLongLine(UpperCase(ws.text), "\r\nC           ")
               : SplitLongLine("C     " + UpperCase(ws.text), "\r\nC     ");
  text += "\r\n\r\n      FUNCTION FUNC (" + Joined(parameters, "", ", ") + ")\r\n\r\n";
  text += "      REAL*8  FUNC" + Joined(parameters, ", ", "") + "\r\n";
  text += "      REAL*8  A";
  for (int k = 1; k < ws.coefficientCount(); ++k) text += std::string(", ") + CoefficientLetter(k, true);
  text += "\r\n\r\n";
  for (int k = 0; k < ws.coefficientCount(); ++k) {
    const double value = ws.coefficients[k];
    text += std::string("      DATA  ") + CoefficientLetter(k, true) + "  / " +
            (file ? FortranDataLiteral(value) : CoefficientLiteral(value, 'D')) + " /\r\n";
  }
  text += "\r\n" + SplitLongLine(BuildEquationBody(ws.candidate, CodeDialect::Fortran), "\r\n     1     ");
  return FitFixedFormLines(text + "\r\n\r\n      RETURN\r\n      END\r\n\r\n");
}

std::string ListingText(const FitWorkspace& workspace, FunctionLanguage language, Listing listing) {
  switch (language) {
    case FunctionLanguage::Basic: return BasicText(workspace, listing);
    case FunctionLanguage::C:
    case FunctionLanguage::Cpp: return CText(workspace, listing);
    case FunctionLanguage::Fortran: return FortranText(workspace, listing);
  }
  return {};
}

}  // namespace

std::string GenerateFunctionText(const FitWorkspace& workspace, FunctionLanguage language) {
  return ListingText(workspace, language, Listing::File);
}

std::vector<std::string> FunctionListingLines(const FitWorkspace& workspace, FunctionLanguage language) {
  const std::string text = ListingText(workspace, language, Listing::Printout);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace rv
