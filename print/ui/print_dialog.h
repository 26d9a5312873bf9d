#pragma once

#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <QStringList>
#include <functional>
#include <optional>

#include "base/print_settings.h"
#include "print/ui/print_destinations.h"
#include "print/ui/printer_properties_dialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rv {

class PrintSettingsControls;

// What is about to be printed; it names the dialog.
enum class PrintDialogKind { Data = 1, Equation = 2, Graph = 3 };

// "Print Data", "Print Equation" or "Print Graph".
QString PrintDialogTitle(PrintDialogKind kind);

// Shows the print preview of what is about to be printed with the
// settings, over the dialog.
using PrintPreviewRequest = std::function<void(const PrintSettings& settings, QWidget* over)>;

// "Looking for printers…": the status while the print server is asked.
inline constexpr const char* kLookingForPrinters = "Looking for printers\u2026";

// "PrntDlg": where and how the next printout is printed. The printer list
// is filled while the dialog shows, from the print server asked on a thread
// of its own, and shows the status of the selected printer; Print to PDF is
// there from the start. P&roperties sets the queue's own options, Pre&view
// shows the pages; Print reports the choice, Cancel leaves everything as it
// was.
class PrintDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPrintButtonId = 1;
  static constexpr int kCancelButtonId = 2;
  static constexpr int kPropertiesButtonId = 51;
  static constexpr int kPreviewButtonId = 52;
  static constexpr int kPrinterListId = 101;
  static constexpr int kFontListId = 102;
  static constexpr int kFontSizeId = 103;
  static constexpr int kFontSizeUpDownId = 104;
  static constexpr int kStatusId = 106;
  static constexpr int kTypeId = 107;
  static constexpr int kWhereId = 108;
  static constexpr int kCommentId = 109;
  static constexpr int kCopiesId = 110;
  static constexpr int kCopiesUpDownId = 111;
  static constexpr int kPortraitId = 112;
  static constexpr int kLandscapeId = 113;
  static constexpr int kPaperId = 114;

  // survey is the print server's answer to come; fonts the faces offered.
  PrintDialog(PrintDialogKind kind, const PrintSettings& settings, QWidget* owner,
              QFuture<PrintServerSurvey> survey = SurveyPrintServerInBackground(), QStringList fonts = PrintFontFaces(),
              PrintPreviewRequest preview = {});

  // The settings as the user left them when pressing Print: the selected
  // printer and face (the previous ones when a list has no selection), the
  // typed font size and copies kept within their ranges, the paper.
  PrintSettings chosenSettings() const;

  PrintSettingsControls* controls() const { return controls_; }
  // Whether the print server has answered (or failed to).
  bool surveyed() const { return surveyed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void showStatus(const QString& printer);
  void takeSurvey();
  void editProperties();

  PrintSettings settings_;
  PrintPreviewRequest preview_;
  PrintSettingsControls* controls_;
  QPushButton* previewButton_;
  QPushButton* propertiesButton_;
  // The options set in Properties, and the printer they were set for.
  QueueOptions options_;
  std::string optionsPrinter_;
  QLabel* status_;
  QLabel* type_;
  QLabel* where_;
  QLabel* comment_;
  QFutureWatcher<PrintServerSurvey> watcher_;
  PrintServerSurvey survey_;
  bool surveyed_ = false;
};

// Shows the dialog over owner; the chosen settings when the user pressed
// Print, nothing when Cancel.
std::optional<PrintSettings> ShowPrintDialog(PrintDialogKind kind, const PrintSettings& settings, QWidget* owner,
                                             PrintPreviewRequest preview = {});

}  // namespace rv
