#include "cli/equation_choice.h"

#include <cstdio>
#include <limits>

#include "base/thread_count.h"
#include "cli/input_file.h"
#include "cli/search_options.h"
#include "cli/search_runner.h"
#include "cli/searchable_data.h"
#include "files/stored_equation.h"
#include "regress/recreate_equation.h"
#include "regress/refusal_count.h"

namespace rv::cli {

namespace {

FitWorkspace Recreate(const SearchData& data, const SearchShape& shape, long long ordinal) {
  FitWorkspace workspace;
  if (!RecreateEquation(workspace, data, shape, ordinal))
    throw CliError("equation " + std::to_string(ordinal) + " (" + EquationText(CandidateAt(shape, ordinal)) +
                       ") cannot be fitted to this data: " +
                       (workspace.verdict == FitVerdict::Unresolved
                            ? std::string("its terms ") + kCannotBeResolved + " (nearly collinear columns)"
                            : std::string("a value lies outside the range of its transform or a term")),
                   1);
  return workspace;
}

FitWorkspace StoredEquation(const InputFile& input, const std::string& path) {
  const EquationRecord* record = input.storedEquation();
  if (record == nullptr) throw CliError(InputName(path) + " stores no selected equation: give --ordinal K", 1);
  FitWorkspace workspace;
  switch (RecreateStoredEquation(workspace, input.document, *record)) {
    case StoredEquationFit::Matches: return workspace;
    case StoredEquationFit::Refitted:
      std::fprintf(
          stderr, "%s\n",
          StoredEquationRefittedMessage(InputName(path), record->rSquaredText, workspace.lastRSquared).text.c_str());
      return workspace;
    case StoredEquationFit::Differs: throw CliError(StoredEquationMismatchMessage(path).text, 1);
    case StoredEquationFit::CannotBeFitted: break;
  }
  throw CliError("the equation stored in " + InputName(path) + " cannot be fitted to its data: give --ordinal K", 1);
}

long long RankOption(const Arguments& arguments) {
  return ParseInteger(arguments.value("rank"), "--rank", 1, EquationList::kCapacity);
}

}  // namespace

FitWorkspace RankedEquation(const Arguments& arguments, Document document, const std::string& path, long long rank) {
  ApplySearchOptions(arguments, document.options);
  const SearchData data = SearchableSnapshot(document, path);
  const SearchShape shape = MakeSearchShape(data, document.options);
  const ForegroundSearch search = RunSearchInForeground(
      data, shape, RankingCriterionOption(arguments), SearchEngine::Fast, EveryCoreThreadCount(), std::nullopt, false);
  const std::vector<int> order = search.outcome.list.sortOrder();
  if (order.empty()) throw CliError("the search of " + InputName(path) + " found no equation", 1);
  if (static_cast<long long>(order.size()) < rank)
    throw CliError("the search of " + InputName(path) + " lists " + std::to_string(order.size()) + " equations, not " +
                       std::to_string(rank),
                   1);
  const EquationRecord& entry = search.outcome.list.slot(order[static_cast<size_t>(rank - 1)]);
  FitWorkspace workspace;
  if (!RecreateEquation(workspace, data, shape, entry.ordinal))
    throw CliError("equation " + std::to_string(entry.ordinal) + " of " + InputName(path) + " cannot be re-created", 1);
  return workspace;
}

void CheckEquationChoice(const Arguments& arguments) {
  if (arguments.has("rank-by") && !arguments.has("rank")) throw CliError("--rank-by needs --rank K");
  if (arguments.has("rank") && arguments.has("ordinal")) throw CliError("give --ordinal K or --rank K, not both");
  if (arguments.has("rank")) RankOption(arguments);
  // The largest ordinal depends on the data; a number it must be at once.
  if (arguments.has("ordinal"))
    ParseInteger(arguments.value("ordinal"), "--ordinal", 1, std::numeric_limits<long long>::max());
}

FitWorkspace LoadChosenEquation(const Arguments& arguments, const char* command, DocumentOptions* fileOptions) {
  if (arguments.positional.size() != 1) throw CliError(std::string(command) + " needs exactly one FILE");
  CheckOptionValues(arguments);
  CheckEquationChoice(arguments);
  const bool chosen = arguments.has("ordinal") || arguments.has("rank");
  if (!chosen && (arguments.has("max-terms") || arguments.has("sets")))
    throw CliError("--max-terms and --sets need --ordinal K: the stored equation goes with the file's own options");
  const std::string& path = arguments.positional[0];
  InputFile input = LoadInputFile(path, arguments);
  if (fileOptions != nullptr) *fileOptions = input.document.options;
  if (arguments.has("rank")) return RankedEquation(arguments, input.document, path, RankOption(arguments));
  if (!arguments.has("ordinal")) {
    if (!input.dataFileSession) throw CliError(std::string(command) + " needs --ordinal K for a text file");
    return StoredEquation(input, path);
  }
  ApplySearchOptions(arguments, input.document.options);
  const SearchData data = SearchableSnapshot(input.document, path);
  const SearchShape shape = MakeSearchShape(data, input.document.options);
  if (CountCandidates(shape) == 0) throw CliError("no equation set is enabled: give --sets", 1);
  return Recreate(data, shape, ParseInteger(arguments.value("ordinal"), "--ordinal", 1, CountCandidates(shape)));
}

}  // namespace rv::cli
