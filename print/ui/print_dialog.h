#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

#include "print/print_settings.h"
#include "print/ui/print_destinations.h"

class QLabel;

namespace rv {

class PrinterProperties;
class PrintSettingsControls;

// What is about to be printed; it names the dialog.
enum class PrintDialogKind { Data = 1, Equation = 2, Graph = 3 };

// "Print Data", "Print Equation" or "Print Graph".
QString PrintDialogTitle(PrintDialogKind kind);

// "PrntDlg": where and how the next printout is printed. The printer list
// shows the status of the selected printer; Properties opens the printer's
// own options; Print reports the choice, Cancel leaves everything as it was.
class PrintDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPrintButtonId = 1;
  static constexpr int kCancelButtonId = 2;
  static constexpr int kPropertiesButtonId = 51;
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

  // printers and fonts are the lists offered; by default the print system's
  // printers with "Print to PDF", and the installed scalable faces.
  PrintDialog(PrintDialogKind kind, const PrintSettings& settings, PrinterProperties& properties, QWidget* owner,
              QStringList printers = PrinterChoices(), QStringList fonts = PrintFontFaces());

  // The settings as the user left them when pressing Print: the selected
  // printer and face (the previous ones when a list has no selection), the
  // typed font size, and the typed copies with 0 → 1 and above 99 → 99.
  PrintSettings chosenSettings() const;

  PrintSettingsControls* controls() const { return controls_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void showStatus(const QString& printer);
  void editProperties();

  PrintSettings settings_;
  PrinterProperties& properties_;
  PrintSettingsControls* controls_;
  QLabel* status_;
  QLabel* type_;
  QLabel* where_;
  QLabel* comment_;
};

// Shows the dialog over owner; the chosen settings when the user pressed
// Print, nothing when Cancel.
std::optional<PrintSettings> ShowPrintDialog(PrintDialogKind kind, const PrintSettings& settings,
                                             PrinterProperties& properties, QWidget* owner);

}  // namespace rv
