#include <cmath>
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/equation_choice.h"
#include "cli/search_options.h"
#include "cli/text_options.h"
#include "stats/band_function_text.h"
#include "stats/function_text.h"

namespace rv::cli {

namespace {

FunctionLanguage ParseLanguage(const Arguments& arguments) {
  if (!arguments.has("lang")) throw CliError("code needs --lang basic|c|cpp|fortran");
  const std::string& name = arguments.value("lang");
  if (name == "basic") return FunctionLanguage::Basic;
  if (name == "c") return FunctionLanguage::C;
  if (name == "cpp") return FunctionLanguage::Cpp;
  if (name == "fortran") return FunctionLanguage::Fortran;
  throw CliError("--lang must be basic, c, cpp or fortran, not '" + name + "'");
}

}  // namespace

int RunCodeCommand(const std::vector<std::string>& words) {
  const Arguments arguments =
      ParseArguments(words, AndTextValueOptions({"ordinal", "max-terms", "sets", "sigma", "lang", "level"}),
                     AndTextFlagOptions({"band"}));
  const FunctionLanguage language = ParseLanguage(arguments);
  if (arguments.has("level") && !arguments.flag("band")) throw CliError("--level goes with --band");
  DocumentOptions fileOptions;
  const FitWorkspace workspace = LoadChosenEquation(arguments, "code", &fileOptions);
  for (int k = 0; k < workspace.coefficientCount(); ++k)
    if (!std::isfinite(workspace.coefficients[k]))
      throw CliError("equation " + std::to_string(workspace.lastFittedOrdinal) +
                         " has no finite coefficients for this data (its design is singular)",
                     1);
  std::string text = GenerateFunctionText(workspace, language);
  if (arguments.flag("band")) {
    const std::string band =
        GenerateBandFunctionText(workspace, language, BandLevelOption(arguments, fileOptions.bands.level));
    if (band.empty())
      throw CliError(workspace.candidate.rational
                         ? "--band: a rational equation has no band function"
                         : "--band: the equation has no band: it leaves no degrees of freedom for the residuals",
                     1);
    text += band;
  }
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) throw CliError("cannot write the function", 1);
  return 0;
}

}  // namespace rv::cli
