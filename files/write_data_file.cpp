#include "files/write_data_file.h"

#include "files/data_file_io.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/named_document.h"
#include "files/stored_equation.h"

namespace rv {

std::optional<std::string> SavePathOf(const DocumentState& state) {
  if (!state.named || state.path.empty()) return std::nullopt;
  return state.path;
}

FileOutcome WriteDataFile(const std::string& path, Document& document, DataFileSession& session,
                          const EquationList& equations, RecentFiles& recentFiles) {
  FileOutcome outcome;
  if (FileNameOfPath(path).empty()) {
    outcome.message = OutputFileErrorMessage(path);
    document.state.named = false;
    return outcome;
  }
  const std::string target = WithDataFileExtension(AbsolutePath(path));
  RefreshSaveArea(session, equations);
  const StoreResult stored = StoreDataFile(target, EncodeDataFile(document, session));
  if (stored.failure != StoreFailure::None) {
    outcome.message = stored.message;
    if (stored.failure == StoreFailure::Output) document.state.named = false;
    return outcome;
  }
  NameDocument(document.state, target);
  recentFiles.remember(target);
  outcome.succeeded = true;
  outcome.updateTitle = true;
  outcome.updateRecentFileMenu = true;
  outcome.focusCurrentCell = true;
  return outcome;
}

}  // namespace rv
