#include <cstdio>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/search_options.h"
#include "regress/enumeration.h"

namespace rv::cli {

namespace {

SearchShape ShapeFromArguments(const Arguments& arguments) {
  if (!arguments.has("vars")) throw CliError("--vars N is required (the number of X variables, 1 to 15)");
  DocumentOptions options;
  ApplySearchOptions(arguments, options);
  SearchShape shape;
  shape.variables = static_cast<int>(ParseInteger(arguments.value("vars"), "--vars", 1, kMaxSearchVariables));
  shape.maxTerms = options.maxTerms;
  shape.sets = options.setEnabled;
  return shape;
}

}  // namespace

int RunCountCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words, {"vars", "max-terms", "sets"}, {});
  if (!arguments.positional.empty()) throw CliError("count takes no file or ordinal");
  const SearchShape shape = ShapeFromArguments(arguments);
  for (EquationSet set : kEquationSets)
    if (shape.sets[set])
      std::printf("Set %d: %lld\n", EquationSetNumber(set), static_cast<long long>(CountSetCandidates(shape, set)));
  std::printf("Total: %lld\n", static_cast<long long>(CountCandidates(shape)));
  return 0;
}

int RunEquationCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words, {"vars", "max-terms", "sets"}, {});
  if (arguments.positional.size() != 1) throw CliError("equation needs exactly one ORDINAL");
  const SearchShape shape = ShapeFromArguments(arguments);
  const long long total = CountCandidates(shape);
  const long long ordinal = ParseInteger(arguments.positional[0], "ORDINAL", 1, total);
  std::printf("%s\n", EquationText(CandidateAt(shape, ordinal)).c_str());
  return 0;
}

}  // namespace rv::cli
