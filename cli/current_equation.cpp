#include "cli/current_equation.h"

#include "cli/input_file.h"
#include "cli/search_options.h"
#include "cli/searchable_data.h"
#include "files/stored_equation.h"
#include "regress/recreate_equation.h"

namespace rv::cli {

namespace {

FitWorkspace Recreate(const SearchData& data, const SearchShape& shape, long long ordinal) {
  FitWorkspace workspace;
  if (!RecreateEquation(workspace, data, shape, ordinal))
    throw CliError("equation " + std::to_string(ordinal) + " (" + EquationText(CandidateAt(shape, ordinal)) +
                       ") cannot be fitted to this data: a value lies outside the range of its transform or a term",
                   1);
  return workspace;
}

FitWorkspace StoredEquation(const InputFile& input, const std::string& path) {
  const EquationRecord* record = input.storedEquation();
  if (record == nullptr) throw CliError("'" + path + "' stores no selected equation: give --ordinal K", 1);
  FitWorkspace workspace;
  switch (RecreateStoredEquation(workspace, input.document, *record)) {
    case StoredEquationFit::Matches: return workspace;
    case StoredEquationFit::Differs: throw CliError(StoredEquationMismatchMessage(path).text, 1);
    case StoredEquationFit::CannotBeFitted: break;
  }
  throw CliError(kCannotRecreateMessage, 1);
}

}  // namespace

FitWorkspace LoadCurrentEquation(const Arguments& arguments, const char* command) {
  if (arguments.positional.size() != 1) throw CliError(std::string(command) + " needs exactly one FILE");
  const std::string& path = arguments.positional[0];
  InputFile input = LoadInputFile(path);
  if (!arguments.has("ordinal")) {
    if (!input.dataFileSession) throw CliError(std::string(command) + " needs --ordinal K for a .csv or .tsv file");
    if (arguments.has("max-terms") || arguments.has("sets"))
      throw CliError("--max-terms and --sets need --ordinal K: the stored equation goes with the file's own options");
    return StoredEquation(input, path);
  }
  ApplySearchOptions(arguments, input.document.options);
  const SearchData data = TakeSearchSnapshot(input.document.sheet.cells);
  RequireSearchableData(data, path);
  const SearchShape shape = MakeSearchShape(data, input.document.options);
  if (CountCandidates(shape) == 0) throw CliError("no equation set is enabled: give --sets", 1);
  return Recreate(data, shape, ParseInteger(arguments.value("ordinal"), "--ordinal", 1, CountCandidates(shape)));
}

}  // namespace rv::cli
