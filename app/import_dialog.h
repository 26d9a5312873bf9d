#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "files/text_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace rv {

// "ImportDlg": how a text of measurements becomes a sheet. The separator,
// the decimal sign, the names line and the lines to skip start as the text
// shows them and can be changed; the preview shows its first rows as they
// split, each column headed by its name and its role (Y, an X, or left
// out), which the role box below changes for the column clicked. The line
// under it says how many rows will be read and what is dropped, cut or
// wrong. Nothing is read into the sheet here: OK hands the reading to the
// caller, and is grey while the text cannot be read.
class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewRows = 20;
  static constexpr int kPreviewColumns = 64;
  static constexpr size_t kPreviewCharacters = 64;

  ImportDialog(const QString& fileName, std::string text, QWidget* owner);

  const TextImport& reading() const { return reading_; }

  QComboBox* separatorBox() const { return separator_; }
  QComboBox* decimalBox() const { return decimal_; }
  QCheckBox* namesBox() const { return names_; }
  QSpinBox* skipBox() const { return skip_; }
  QTableWidget* preview() const { return preview_; }
  QComboBox* roleBox() const { return role_; }
  QCheckBox* dropBox() const { return drop_; }
  QCheckBox* keepFirstBox() const { return keepFirst_; }
  QLabel* summary() const { return summary_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void showOptions();
  // A control changed how the text splits: the columns start again from
  // their default roles.
  void splittingChanged();
  void read();
  void showPreview();
  void showSummary();
  void columnChosen(int column);
  void roleChosen(int index);

  std::string text_;
  TextImportOptions options_;
  TextImport reading_;
  int column_ = 0;

  QComboBox* separator_;
  QComboBox* decimal_;
  QCheckBox* names_;
  QSpinBox* skip_;
  QTableWidget* preview_;
  QLabel* roleLabel_;
  QComboBox* role_;
  QCheckBox* drop_;
  QCheckBox* keepFirst_;
  QLabel* summary_;
  QPushButton* ok_;
};

// Shows the dialog over owner for the text of the file at path: the
// reading on OK, nothing on Cancel.
std::optional<TextImport> ShowImportDialog(QWidget* owner, const std::string& path, std::string text);

}  // namespace rv
