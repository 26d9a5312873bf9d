#include "stats/ui/function_save_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>

#include "stats/band_function_text.h"
#include "stats/function_file.h"
#include "stats/function_text.h"
#include "stats/ui/picture_button.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/resource_pictures.h"

namespace rv {

namespace {

constexpr int kNameBoxLength = 254;
constexpr QMargins kNameTextMargins(2, 0, 0, 0);
// The save button shows its picture with room around it.
constexpr QSize kSaveButtonPictureSize(48, 32);
constexpr QSize kSaveButtonSize(54, 48);

QStringList LanguageFilters() {
  QStringList filters;
  for (int language = 0; language < kFunctionLanguageCount; ++language)
    filters << QString::fromLatin1(LanguageListEntry(static_cast<FunctionLanguage>(language)));
  return filters;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

FunctionSavePanel::FunctionSavePanel(const FitWorkspace& equation, double bandLevel, const QString& folder,
                                     QWidget* parent)
    : QFileDialog(parent), equation_(equation), bandLevel_(bandLevel) {
  setObjectName(QStringLiteral("FunctionSavePanel"));
  setWindowFlags(Qt::Widget);
  setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setNameFilters(LanguageFilters());
  selectNameFilter(LanguageFilters().first());
  setDirectory(folder);
  setViewMode(QFileDialog::List);
  setLabelText(QFileDialog::FileName, QStringLiteral("File name:"));
  setLabelText(QFileDialog::FileType, QStringLiteral("Language:"));
  setSizeGripEnabled(false);

  fileNameBox()->setMaxLength(kNameBoxLength);
  fileNameBox()->setTextMargins(kNameTextMargins);
  if (QWidget* sidebar = findChild<QWidget*>(QStringLiteral("sidebar"))) sidebar->hide();

  // The save button takes the place of the Save and Cancel buttons, beside
  // the name box and the Language list.
  saveButton_ = new PictureButton(QStringLiteral("Save"),
                                  ResourcePicture(QStringLiteral("FBTN"), kSaveButtonPictureSize), kSaveButtonId, this);
  saveButton_->setFixedSize(kSaveButtonSize);
  saveButton_->setDefault(true);
  connect(saveButton_, &QPushButton::clicked, this, &FunctionSavePanel::save);
  auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  auto* grid = qobject_cast<QGridLayout*>(layout());
  if (buttons != nullptr && grid != nullptr) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rowSpan, &columnSpan);
    buttons->hide();
    grid->removeWidget(buttons);
    grid->addWidget(saveButton_, row, column, 2, columnSpan, Qt::AlignCenter);
  }
  bandFunction_ = new QCheckBox(QStringLiteral("Add the &band function"), this);
  SetControlId(bandFunction_, kBandFunctionId);
  bandFunction_->setEnabled(!GenerateBandFunctionText(equation_, FunctionLanguage::C, bandLevel_).empty());
  if (grid != nullptr) grid->addWidget(bandFunction_, grid->rowCount(), 1, 1, 1);
}

std::string FunctionSavePanel::functionText() const {
  std::string text = GenerateFunctionText(equation_, language());
  if (bandFunction_->isEnabled() && bandFunction_->isChecked())
    text += GenerateBandFunctionText(equation_, language(), bandLevel_);
  return text;
}

FunctionLanguage FunctionSavePanel::language() const {
  const int index = static_cast<int>(LanguageFilters().indexOf(selectedNameFilter()));
  return static_cast<FunctionLanguage>(index < 0 ? 0 : index);
}

QLineEdit* FunctionSavePanel::fileNameBox() const { return findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

void FunctionSavePanel::save() {
  const QString typed = fileNameBox()->text();
  if (typed.trimmed().isEmpty()) {
    QApplication::beep();
    fileNameBox()->setFocus();
    return;
  }
  // A typed name may lead through folders, relative to the folder shown.
  const QFileInfo target(QDir(directory().absolutePath()), typed);
  if (target.isDir()) {
    setDirectory(target.absoluteFilePath());
    fileNameBox()->clear();
    return;
  }
  const std::string path = FunctionFilePath(LocalPath(target.absolutePath()), LocalPath(target.fileName()), language());
  if (FunctionFileExists(path) && !confirmReplace(path)) return;
  const Outcome<void> written = WriteFunctionFile(path, functionText());
  if (!written) ShowMessage(QString::fromLocal8Bit(written.message().text.c_str()), this, written.message().kind);
}

bool FunctionSavePanel::confirmReplace(const std::string& path) {
  return ShowMessage(QString::fromLocal8Bit(ReplaceFileQuestion(path).c_str()), this, MessageKind::YesNo) ==
         MessageAnswer::Yes;
}

void FunctionSavePanel::accept() { save(); }

void FunctionSavePanel::reject() { emit cancelled(); }

}  // namespace rv
