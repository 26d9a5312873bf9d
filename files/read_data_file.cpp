#include "files/read_data_file.h"

#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "files/loaded_sheet.h"
#include "files/named_document.h"
#include "files/stored_equation.h"

namespace rv {

FileOutcome ReadDataFile(const std::string& path, Document& document, DataFileSession& session,
                         EquationList& equations, RecentFiles& recentFiles) {
  const std::string source = AbsolutePath(path);
  LoadResult loaded = LoadDataFile(source);
  FileOutcome outcome;
  if (loaded.failure != LoadFailure::None) {
    outcome.message = loaded.message;
    if (loaded.failure == LoadFailure::CannotOpen) {
      recentFiles.forget(path);
      recentFiles.forget(source);
      outcome.updateRecentFileMenu = true;
    }
    return outcome;
  }

  const bool drawn = AdoptLoadedSheet(std::move(*loaded.contents), document, session);
  NameDocument(document.state, source);
  // A stored equation that is dropped takes its graph with it.
  const std::optional<Message> dropped = DropMismatchedStoredEquation(document, session, document.state.fileTitle);
  outcome = SheetReplacedOutcome();
  outcome.message = dropped;
  outcome.pressDraw = drawn && !dropped;
  ListStoredEquation(session, equations);
  recentFiles.remember(source);
  outcome.updateRecentFileMenu = true;
  return outcome;
}

}  // namespace rv
