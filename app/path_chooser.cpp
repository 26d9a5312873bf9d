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
const QString kAllFilesFilter = QStringLiteral("All Files (*.*) (*)");
const QString kDataFileFilter = QStringLiteral("Regrovantis Data Files (*.rvd) (*.rvd)");
// Open offers every file it reads first, then each kind.
const QStringList kOpenFilters = {QStringLiteral("Data files (*.rvd *.csv *.tsv *.txt) (*.rvd *.csv *.tsv *.txt)"),
                                  kDataFileFilter,
                                  QStringLiteral("Comma Separated Values (*.csv) (*.csv)"),
                                  QStringLiteral("Tab Separated Values (*.tsv) (*.tsv)"),
                                  QStringLiteral("Text Files (*.txt) (*.txt)"),
                                  kAllFilesFilter};

struct FileDialogKind {
  QString objectName;
  QFileDialog::AcceptMode mode;
  QStringList filters;
  QString defaultSuffix;
};

std::optional<std::string> RunFileDialog(QWidget* owner, const QString& title, const std::string& folder,
                                         const FileDialogKind& kind) {
  QFileDialog dialog(owner, title, QFile::decodeName(folder.c_str()));
  dialog.setObjectName(kind.objectName);
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(kind.mode);
  dialog.setFileMode(kind.mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(kind.filters);
  dialog.setDefaultSuffix(kind.defaultSuffix);
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
  return RunFileDialog(owner, QStringLiteral("Open"), folder,
                       {QStringLiteral("OpenDlg"), QFileDialog::AcceptOpen, kOpenFilters, QStringLiteral("rvd")});
}

std::optional<std::string> FileDialogPathChooser::savePath(QWidget* owner, const QString& title,
                                                           const std::string& folder) {
  return RunFileDialog(owner, title, folder,
                       {QStringLiteral("SaveDlg"), QFileDialog::AcceptSave, {kDataFileFilter, kAllFilesFilter},
                        QStringLiteral("rvd")});
}

std::optional<std::string> FileDialogPathChooser::exportPath(QWidget* owner, ExportKind kind,
                                                             const std::string& folder) {
  if (kind == ExportKind::Graph)
    return RunFileDialog(owner, QStringLiteral("Export Graph"), folder,
                         {QStringLiteral("ExportDlg"), QFileDialog::AcceptSave,
                          {QStringLiteral("PNG Pictures (*.png) (*.png)"), kAllFilesFilter}, QStringLiteral("png")});
  return RunFileDialog(owner, QStringLiteral("Export Data"), folder,
                       {QStringLiteral("ExportDlg"), QFileDialog::AcceptSave,
                        {QStringLiteral("Comma Separated Values (*.csv) (*.csv)"),
                         QStringLiteral("Tab Separated Values (*.tsv) (*.tsv)"), kAllFilesFilter},
                        QStringLiteral("csv")});
}

}  // namespace rv
