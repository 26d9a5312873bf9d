#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "base/print_settings.h"

class QPushButton;

namespace rv {

class PrintSettingsControls;

// What the Print page offers: the printers, font faces and papers to choose
// from, and the print settings now in use.
struct PrintPageChoices {
  QStringList printers;
  QStringList fonts;
  PrintSettings settings;
  std::vector<std::string> papers;
};

// Page 4 of the statistics dialog: where and how the page the user came
// from is printed. The printer and font lists, the font size, the
// orientation, the copies and the paper, and the Preview and Print
// buttons, which refuse a font size that cannot be printed with.
class PrintPage : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPrinterListId = 501;
  static constexpr int kFontListId = 502;
  static constexpr int kFontSizeId = 503;
  static constexpr int kFontSizeUpDownId = 504;
  static constexpr int kFontSizeLabelId = 505;
  static constexpr int kPortraitId = 506;
  static constexpr int kLandscapeId = 507;
  static constexpr int kCopiesId = 508;
  static constexpr int kCopiesUpDownId = 509;
  static constexpr int kCopiesLabelId = 510;
  static constexpr int kPrintButtonId = 511;
  static constexpr int kPaperId = 512;
  static constexpr int kPaperLabelId = 513;
  static constexpr int kPreviewButtonId = 514;

  // The printer in use and its face are selected; the font size starts at
  // 12 and the copies at 1 whatever was printed last, the orientation and
  // the paper are the ones in use.
  PrintPage(const PrintPageChoices& choices, QWidget* parent);

  PrintSettingsControls* controls() const { return controls_; }

  // The settings in use with what the page shows (the paper chosen
  // included); nothing when no printer is selected.
  std::optional<PrintSettings> chosenSettings() const;

 signals:
  void printPressed();
  void previewPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PrintSettings settings_;
  PrintSettingsControls* controls_;
};

}  // namespace rv
