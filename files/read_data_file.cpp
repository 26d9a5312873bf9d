#include "files/read_data_file.h"

#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "files/loaded_sheet.h"
#include "files/named_document.h"
#include "files/stored_equation.h"

namespace rv {

Outcome<ViewUpdates> ReadDataFile(const std::string& path, Document& document, DataFileSession& session,
                                  EquationList& equations, RecentFiles& recentFiles) {
  const std::string source = AbsolutePath(path);
  const Outcome<std::string> bytes = ReadDataFileBytes(source);
  if (!bytes) {
    recentFiles.forget(path);
    recentFiles.forget(source);
    return bytes.message();
  }
  Outcome<DataFileContents> loaded = DecodeDataFileBytes(*bytes);
  if (!loaded) return loaded.message();

  const bool drawn = AdoptLoadedSheet(std::move(*loaded), document, session);
  NameDocument(document.state, source);
  // A stored equation that is dropped takes its graph with it.
  const StoredEquationCheck stored = DropMismatchedStoredEquation(document, session, document.state.fileTitle);
  ViewUpdates updates = SheetReplacedUpdates();
  updates.notice = stored.notice;
  updates.pressDraw = drawn && stored.kept;
  ListStoredEquation(session, equations);
  recentFiles.remember(source);
  updates.updateRecentFileMenu = true;
  return updates;
}

}  // namespace rv
