#include "files/ui/path_chooser.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr QSize kFileDialogSize(560, 360);  // as it opens; the user may resize it

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

// The program's file dialog, not the desktop's, so that it looks the same
// everywhere and can carry a box of its own.
void SetUpFileDialog(QFileDialog& dialog, QWidget* owner, const FileDialogKind& kind) {
  dialog.setObjectName(kind.objectName);
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(kind.mode);
  dialog.setFileMode(kind.mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(kind.filters);
  dialog.setDefaultSuffix(kind.defaultSuffix);
  dialog.setFont(DialogFont());
  dialog.resize(kFileDialogSize);
  PlaceDialog(&dialog, MainWindowOf(owner));
  dialog.setMinimumSize(0, 0);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

std::optional<std::string> ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::string> RunFileDialog(QWidget* owner, const QString& title, const std::string& folder,
                                         const FileDialogKind& kind) {
  QFileDialog dialog(owner, title, QFile::decodeName(folder.c_str()));
  SetUpFileDialog(dialog, owner, kind);
  return ChosenFile(dialog);
}

}  // namespace

std::optional<std::string> FileDialogPathChooser::openPath(QWidget* owner, const std::string& folder) {
  return RunFileDialog(owner, QStringLiteral("Open"), folder,
                       {QStringLiteral("OpenDlg"), QFileDialog::AcceptOpen, kOpenFilters, QStringLiteral("rvd")});
}

std::optional<std::string> FileDialogPathChooser::savePath(QWidget* owner, const QString& title,
                                                           const std::string& folder) {
  return RunFileDialog(
      owner, title, folder,
      {QStringLiteral("SaveDlg"), QFileDialog::AcceptSave, {kDataFileFilter, kAllFilesFilter}, QStringLiteral("rvd")});
}

std::optional<std::string> FileDialogPathChooser::exportDataPath(QWidget* owner, const std::string& folder) {
  return RunFileDialog(owner, QStringLiteral("Export Data"), folder,
                       {QStringLiteral("ExportDlg"),
                        QFileDialog::AcceptSave,
                        {QStringLiteral("Comma Separated Values (*.csv) (*.csv)"),
                         QStringLiteral("Tab Separated Values (*.tsv) (*.tsv)"), kAllFilesFilter},
                        QStringLiteral("csv")});
}

// A name typed without an extension takes that of the chosen kind of picture.
std::optional<GraphExportChoice> FileDialogPathChooser::exportGraphPath(QWidget* owner, const std::string& folder,
                                                                        const PictureSizes& sizes) {
  const QStringList filters = {QStringLiteral("PNG Pictures (*.png) (*.png)"),
                               QStringLiteral("SVG Pictures (*.svg) (*.svg)"),
                               QStringLiteral("PDF Documents (*.pdf) (*.pdf)")};
  const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
  QFileDialog dialog(owner, QStringLiteral("Export Graph"), QFile::decodeName(folder.c_str()));
  SetUpFileDialog(dialog, owner, {QStringLiteral("ExportDlg"), QFileDialog::AcceptSave, filters, suffixes[0]});
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    dialog.setDefaultSuffix(suffixes.value(static_cast<int>(filters.indexOf(filter)), suffixes[0]));
  });

  auto* size = new QSpinBox(&dialog);
  size->setObjectName(QStringLiteral("ExportSize"));
  size->setRange(sizes.smallest, sizes.largest);
  size->setValue(sizes.initial);
  size->setSuffix(QStringLiteral(" pixels"));
  auto* sizeLabel = new QLabel(QStringLiteral("Si&ze:"), &dialog);
  sizeLabel->setBuddy(size);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    const int row = grid->rowCount();
    grid->addWidget(sizeLabel, row, 0);
    grid->addWidget(size, row, 1, Qt::AlignLeft);
  }
  const std::optional<std::string> path = ChosenFile(dialog);
  if (!path) return std::nullopt;
  return GraphExportChoice{*path, size->value()};
}

}  // namespace rv
