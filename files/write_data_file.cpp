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

// The steps of StoreDataFile; a failure leaves the document as it was, its
// name and its unsaved changes, so the window still says which file it is.
Outcome<ViewUpdates> WriteDataFile(const std::string& path, Document& document, DataFileSession& session,
                                   const EquationList& equations, RecentFiles& recentFiles) {
  if (FileNameOfPath(path).empty()) return OutputFileErrorMessage(path);
  const std::string target = WithDataFileExtension(AbsolutePath(path));
  RefreshSaveArea(session, equations);
  if (Outcome<void> stored = StoreDataFile(target, EncodeDataFile(document, session)); !stored) return stored.message();
  NameDocument(document.state, target);
  recentFiles.remember(target);
  ViewUpdates updates;
  updates.updateTitle = true;
  updates.updateRecentFileMenu = true;
  updates.focusCurrentCell = true;
  return updates;
}

}  // namespace rv
