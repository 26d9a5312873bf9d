#include "cli/current_equation.h"

#include "cli/input_file.h"
#include "cli/search_options.h"
#include "regress/recreate_equation.h"

namespace rv::cli {

FitWorkspace LoadCurrentEquation(const Arguments& arguments, const char* command) {
  if (arguments.positional.size() != 1) throw CliError(std::string(command) + " needs exactly one FILE");
  Document document = LoadDocument(arguments.positional[0]);
  ApplySearchOptions(arguments, document.options);
  const SearchData data = TakeSearchSnapshot(document.sheet.cells);
  if (data.pointCount < 2) throw CliError("Enter the data to regress\non the Data tab.", 1);
  SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = document.options.maxTerms;
  shape.sets = document.options.setEnabled;
  if (CountCandidates(shape) == 0) throw CliError("'" + arguments.positional[0] + "' has no X variable to regress on", 1);
  if (!arguments.has("ordinal")) throw CliError(std::string(command) + " needs --ordinal K for a .csv or .tsv file");
  const long long ordinal = ParseInteger(arguments.value("ordinal"), "--ordinal", 1, CountCandidates(shape));
  FitWorkspace workspace;
  if (!RecreateEquation(workspace, data, shape, ordinal))
    throw CliError("equation " + std::to_string(ordinal) + " (" + EquationText(CandidateAt(shape, ordinal)) +
                       ") cannot be fitted to this data: a value lies outside the range of its transform or a term",
                   1);
  return workspace;
}

}  // namespace rv::cli
