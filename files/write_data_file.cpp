#include "files/write_data_file.h"

#include "files/atomic_file.h"
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

// The steps of StoreDataFile, each failing its own way: too little space is
// found before the path is tried, so only then does the sheet keep its path,
// and the user is not shown the system's reason.
Outcome<ViewUpdates> WriteDataFile(const std::string& path, Document& document, DataFileSession& session,
                                   const EquationList& equations, RecentFiles& recentFiles) {
  const auto failedAtPath = [&document](Message message) {
    document.state.named = false;
    return message;
  };
  if (FileNameOfPath(path).empty()) return failedAtPath(OutputFileErrorMessage(path));
  const std::string target = WithDataFileExtension(AbsolutePath(path));
  RefreshSaveArea(session, equations);
  const DataFileBytes image = EncodeDataFile(document, session);
  // A device or a pipe is no place for a data file, whatever the space.
  if (Outcome<void> accepted = CheckWriteTarget(target); !accepted) return failedAtPath(accepted.message());
  if (Outcome<void> room = CheckDiskSpace(target); !room) return room.message();
  if (!WriteFileAtomically(target, image)) return failedAtPath(OutputFileErrorMessage(target));
  NameDocument(document.state, target);
  recentFiles.remember(target);
  ViewUpdates updates;
  updates.updateTitle = true;
  updates.updateRecentFileMenu = true;
  updates.focusCurrentCell = true;
  return updates;
}

}  // namespace rv
