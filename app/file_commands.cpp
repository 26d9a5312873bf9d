#include "app/file_commands.h"

#include <QString>

#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/new_data_sheet.h"
#include "files/open_imported_text.h"
#include "files/read_data_file.h"
#include "files/recovery_file.h"
#include "files/save_changes.h"
#include "files/ui/path_chooser.h"
#include "files/write_data_file.h"
#include "widgets/message_dialog.h"

namespace rv {

FileCommands::FileCommands(Document& document, DataFileSession& session, EquationList& equations,
                           RecentFiles& recentFiles, OpenFileGuard& guard, std::unique_ptr<PathChooser> pathChooser,
                           FileCommandsView& view)
    : document_(document),
      session_(session),
      equations_(equations),
      recentFiles_(recentFiles),
      pathChooser_(std::move(pathChooser)),
      guard_(guard),
      view_(view) {}

FileCommands::~FileCommands() = default;

bool FileCommands::askSaveChanges() {
  view_.settleSheet();
  const SaveChangesQuestion question = AskSaveChanges(document_.state);
  if (!question.ask) return true;
  const MessageAnswer answer =
      ShowMessage(QString::fromStdString(question.message.text), view_.dialogOwner(), MessageKind::YesNoCancel);
  bool needsSaveAs = question.yesNeedsSaveAs;
  if (answer == MessageAnswer::Yes && !needsSaveAs) {
    const SaveOverChange over = confirmSaveOver(WithDataFileExtension(AbsolutePath(*SavePathOf(document_.state))));
    if (over == SaveOverChange::Cancel) return false;
    needsSaveAs = over == SaveOverChange::SaveAs;
  }
  std::optional<std::string> saveAsPath;
  if (answer == MessageAnswer::Yes && needsSaveAs) {
    saveAsPath = pathChooser_->savePath(view_.dialogOwner(), QStringLiteral("Save As"), document_.state.dataFolder);
    // A named sheet saved over nothing: the user turned away from its file.
    if (!saveAsPath && !question.yesNeedsSaveAs) return false;
  }
  const bool saving = answer == MessageAnswer::Yes && (saveAsPath || !needsSaveAs);
  if (saving) view_.showBusy(kSavingStatus);
  const Outcome<SaveChangesDecision> decided =
      AnswerSaveChanges(answer, saveAsPath, document_, session_, equations_, recentFiles_);
  if (saving) view_.showBusy(nullptr);
  if (!decided) {
    view_.showOutcome(decided.message());
    return false;
  }
  if (decided->saved) showAdopted(*decided->saved);
  return decided->goOn;
}

void FileCommands::newSheet() {
  if (!askSaveChanges()) return;
  guard_.release();
  view_.showOutcome(NewDataSheet(document_, session_, equations_));
}

void FileCommands::open() {
  if (!askSaveChanges()) return;
  const std::optional<std::string> path = pathChooser_->openPath(view_.dialogOwner(), document_.state.dataFolder);
  if (path) read(*path);
}

void FileCommands::save() {
  view_.settleSheet();
  if (const std::optional<std::string> path = SavePathOf(document_.state)) write(*path);
  else saveAs();
}

void FileCommands::saveAs() {
  view_.settleSheet();
  const std::optional<std::string> path =
      pathChooser_->savePath(view_.dialogOwner(), QStringLiteral("Save"), document_.state.dataFolder);
  if (path) write(*path);
}

void FileCommands::openRecent(int command) {
  const std::optional<std::string> path = recentFiles_.pathOfCommand(command);
  if (!path || !askSaveChanges()) return;
  read(*path);
}

void FileCommands::openDropped(const std::string& path) {
  if (askSaveChanges()) read(path);
}

void FileCommands::openAtStartUp(const std::string& path) { read(path); }

void FileCommands::read(const std::string& path) {
  if (IsTextDataPath(path)) {
    importText(path);
    return;
  }
  if (!confirmOpen(AbsolutePath(path))) return;
  view_.settleSheet();
  view_.showBusy(kLoadingStatus);
  const Outcome<ViewUpdates> outcome = ReadDataFile(path, document_, session_, equations_, recentFiles_);
  view_.showBusy(nullptr);
  showAdopted(outcome);
}

void FileCommands::write(const std::string& path) {
  switch (confirmSaveOver(WithDataFileExtension(AbsolutePath(path)))) {
    case SaveOverChange::Save: break;
    case SaveOverChange::SaveAs: saveAs(); return;
    case SaveOverChange::Cancel: return;
  }
  view_.showBusy(kSavingStatus);
  const Outcome<ViewUpdates> outcome = WriteDataFile(path, document_, session_, equations_, recentFiles_);
  view_.showBusy(nullptr);
  showAdopted(outcome);
}

void FileCommands::showAdopted(const Outcome<ViewUpdates>& outcome) {
  const std::optional<std::string> unlocked = outcome ? guard_.adopt(document_.state.path) : std::nullopt;
  view_.showOutcome(outcome);
  if (unlocked) ShowMessage(QString::fromStdString(*unlocked), view_.dialogOwner(), MessageKind::Information);
}

bool FileCommands::restoreKept(const std::string& folder, const RecoverySlot& slot) {
  const Outcome<RestoredSheet> restored = RestoreRecoveredSheet(folder, slot, document_, session_, equations_);
  if (!restored) {
    view_.showOutcome(restored.message());
    return false;
  }
  std::optional<std::string> unlocked;
  if (document_.state.named) unlocked = guard_.adoptKept(document_.state.path, restored->fileIdentity);
  else guard_.release();
  view_.showOutcome(restored->updates);
  if (unlocked) ShowMessage(QString::fromStdString(*unlocked), view_.dialogOwner(), MessageKind::Information);
  return true;
}

}  // namespace rv
