#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "files/text_encoding.h"
#include "files/text_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace rv {

class ImportPreviewModel;

// "ImportDlg": how a text of measurements becomes a sheet. The encoding,
// the separator, the number format, the names line, the lines to skip, the
// comment mark and the missing-value words start as the text shows them and
// can be changed; the text's first lines are listed, and a click on one
// takes its fields as the names. The preview shows the first rows as they
// split, each column headed by its name and its role (Y, an X, or left
// out), which the role box below changes for the column clicked. The line
// under it says how many rows will be read and what is dropped, cut,
// missing or wrong. A long text is read on a worker thread behind a
// progress bar. Nothing is read into the sheet here: OK hands the reading
// to the caller, and is grey while the text cannot be read.
class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewRows = 1000;
  static constexpr int kListedLines = 40;
  // Texts from this size on are read off the window's thread.
  static constexpr size_t kBackgroundBytes = size_t{1} << 20;

  // `bytes` are the file's, as read; `fileName` gives the title and, for a
  // .tsv name, the tab separator.
  ImportDialog(const QString& fileName, std::string bytes, QWidget* owner);
  ~ImportDialog() override;

  const TextImport& reading() const { return reading_; }
  // Whether a reading runs on the worker thread.
  bool readingInBackground() const { return worker_.joinable(); }

  QComboBox* encodingBox() const { return encoding_; }
  QComboBox* separatorBox() const { return separator_; }
  QComboBox* decimalBox() const { return decimal_; }
  QComboBox* thousandsBox() const { return thousands_; }
  QSpinBox* namesBox() const { return names_; }
  QSpinBox* skipBox() const { return skip_; }
  QLineEdit* commentBox() const { return comment_; }
  QLineEdit* missingBox() const { return missing_; }
  QListWidget* linesList() const { return lines_; }
  QTableView* preview() const { return preview_; }
  QComboBox* roleBox() const { return role_; }
  QCheckBox* dropBox() const { return drop_; }
  QCheckBox* keepFirstBox() const { return keepFirst_; }
  QProgressBar* progressBar() const { return progress_; }
  QLabel* summary() const { return summary_; }
  QPushButton* okButton() const { return ok_; }

 private:
  std::string_view text() const;
  void decode();
  // The options the text shows, for the encoding and comment mark chosen.
  void detect();
  void showOptions();
  void listLines();
  // A control changed how the text splits: the columns start again from
  // their default roles.
  void splittingChanged();
  void numberFormatChosen();
  void read();
  void stopReading();
  void watchReading();
  void readingDone();
  void showPreview();
  void showSummary();
  void columnChosen(int column);
  void roleChosen(int index);

  std::string bytes_;
  std::string decoded_;
  TextEncoding detectedEncoding_;
  TextEncoding textEncoding_;
  bool textInBytes_ = false;  // the bytes are valid UTF-8 and read where they lie
  std::optional<char> separatorHint_;
  TextImportOptions options_;
  TextImport reading_;
  int column_ = 0;

  std::unique_ptr<TextImportProgress> workerProgress_;
  std::unique_ptr<TextImport> workerReading_;
  std::atomic<bool> workerDone_{false};
  std::jthread worker_;
  QTimer* watch_;

  QComboBox* encoding_;
  QComboBox* separator_;
  QComboBox* decimal_;
  QComboBox* thousands_;
  QSpinBox* names_;
  QSpinBox* skip_;
  QLineEdit* comment_;
  QLineEdit* missing_;
  QListWidget* lines_;
  ImportPreviewModel* model_;
  QTableView* preview_;
  QLabel* roleLabel_;
  QComboBox* role_;
  QCheckBox* drop_;
  QCheckBox* keepFirst_;
  QProgressBar* progress_;
  QLabel* summary_;
  QPushButton* ok_;
};

// Shows the dialog over owner for the bytes of the file at path: the
// reading on OK, nothing on Cancel.
std::optional<TextImport> ShowImportDialog(QWidget* owner, const std::string& path, std::string bytes);

}  // namespace rv
