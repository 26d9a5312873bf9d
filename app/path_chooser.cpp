#include "app/path_chooser.h"

#include <QFile>
#include <QFileDialog>

#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

// The dialog shows only the text before each filter's last parenthesis, so
// the second filter can read "All Files (*.*)" and still match names without
// a dot, as every file on this system may be.
const QStringList& DataFileFilters() {
  static const QStringList filters = {QStringLiteral("Regrovantis Data Files (*.rvd) (*.rvd)"),
                                      QStringLiteral("All Files (*.*) (*)")};
  return filters;
}

std::optional<std::string> RunFileDialog(QWidget* owner, const QString& title, const std::string& folder,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, title, QFile::decodeName(folder.c_str()));
  dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("OpenDlg") : QStringLiteral("SaveDlg"));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(DataFileFilters());
  dialog.setDefaultSuffix(QStringLiteral("rvd"));
  dialog.setFont(DialogFont());
  dialog.resize(560, 360);
  PlaceDialog(&dialog, MainWindowOf(owner));
  dialog.setMinimumSize(0, 0);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace

std::optional<std::string> FileDialogPathChooser::openPath(QWidget* owner, const std::string& folder) {
  return RunFileDialog(owner, QStringLiteral("Open"), folder, QFileDialog::AcceptOpen);
}

std::optional<std::string> FileDialogPathChooser::savePath(QWidget* owner, const QString& title,
                                                           const std::string& folder) {
  return RunFileDialog(owner, title, folder, QFileDialog::AcceptSave);
}

}  // namespace rv
