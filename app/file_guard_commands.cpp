#include <QString>

#include "app/file_commands.h"
#include "files/file_paths.h"
#include "widgets/message_dialog.h"

namespace rv {

bool FileCommands::confirmOpen(const std::string& path) {
  if (!guard_.openElsewhere(path)) return true;
  const QString question =
      QStringLiteral("'%1' is open in another Regrovantis window; changes saved in one will overwrite the other.")
          .arg(QString::fromStdString(FileNameOfPath(path)));
  return ShowMessage(question, view_.dialogOwner(), MessageKind::YesNo,
                     {QStringLiteral("&Open Anyway"), QStringLiteral("&Cancel")}) == MessageAnswer::Yes;
}

FileCommands::SaveOverChange FileCommands::confirmSaveOver(const std::string& target) {
  if (!guard_.changedOnDisk(target)) return SaveOverChange::Save;
  const QString question =
      QStringLiteral("The file '%1' was changed by another program after it was opened. Save anyway?")
          .arg(QString::fromStdString(FileNameOfPath(target)));
  switch (ShowMessage(question, view_.dialogOwner(), MessageKind::YesNoCancel,
                      {QStringLiteral("Save &Anyway"), QStringLiteral("Save &As..."), QStringLiteral("&Cancel")})) {
    case MessageAnswer::Yes: return SaveOverChange::Save;
    case MessageAnswer::No: return SaveOverChange::SaveAs;
    default: return SaveOverChange::Cancel;
  }
}

}  // namespace rv
