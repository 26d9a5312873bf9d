#include "app/file_commands.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"
#include "files/open_imported_text.h"
#include "files/ui/import_dialog.h"
#include "files/ui/path_chooser.h"

namespace rv {

void FileCommands::importFile() {
  if (!askSaveChanges()) return;
  const std::optional<std::string> path = pathChooser_->openPath(view_.dialogOwner(), document_.state.dataFolder);
  if (!path) return;
  if (HasDataFileExtension(*path)) read(*path);
  else importText(*path);
}

void FileCommands::importText(const std::string& path) {
  view_.settleSheet();
  Outcome<std::string> text = ReadTextFileBytes(path);
  if (!text) {
    view_.showOutcome(text.message());
    return;
  }
  const std::optional<TextImport> reading = ShowImportDialog(view_.dialogOwner(), path, std::move(*text));
  if (!reading) return;
  const ViewUpdates updates = OpenImportedText(path, *reading, document_, session_, equations_);
  // The sheet is untitled now: the data file it replaced is no longer open here.
  guard_.release();
  view_.showOutcome(updates);
}

}  // namespace rv
