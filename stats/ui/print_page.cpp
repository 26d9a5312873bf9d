#include "stats/ui/print_page.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "stats/ui/list_frame.h"
#include "stats/ui/statistics_layout.h"
#include "widgets/control_id.h"
#include "widgets/print_settings_controls.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

const QRect kPrinterPanel = Corners(20, 52, 280, 188);
const QRect kFontPanel = Corners(284, 52, 416, 164);
constexpr QPoint kOrientationPicture(24, 196);

constexpr PrintControlPlaces kControlPlaces{
    .printers = OnPage(24, 76, 252, 80),
    .fonts = OnPage(288, 76, 124, 58),
    .fontSize = OnPage(348, 140, 62, 20),
    .copies = OnPage(72, 162, 56, 20),
    .portrait = OnPage(64, 196, 90, 18),
    .landscape = OnPage(64, 216, 90, 18),
    .paper = OnPage(332, 168, 82, 22),
};
constexpr QRect kCopiesLabel = OnPage(28, 162, 42, 20);
constexpr QRect kFontSizeLabel = OnPage(290, 140, 56, 20);
constexpr QRect kPaperLabel = OnPage(290, 168, 40, 20);
constexpr QRect kPreviewButton = OnPage(250, 196, 80, 24);
constexpr QRect kPrintButton = OnPage(336, 196, 80, 24);

QLabel* Label(const QString& text, int id, const QRect& place, QWidget* page) {
  auto* label = new QLabel(text, page);
  SetControlId(label, id);
  label->setGeometry(place);
  return label;
}

}  // namespace

PrintPage::PrintPage(const PrintPageChoices& choices, QWidget* parent)
    : QWidget(parent),
      settings_(choices.settings),
      controls_(new PrintSettingsControls(
          {kPrinterListId, kFontListId, kFontSizeId, kFontSizeUpDownId, kCopiesId, kCopiesUpDownId, kPortraitId,
           kLandscapeId, kPaperId, kMinFontSizeChoice, kMaxFontSizeChoice, kMinCopies, kMaxCopies},
          this)) {
  setGeometry(kPageArea);
  controls_->place(kControlPlaces);
  Label(QStringLiteral("Copies"), kCopiesLabelId, kCopiesLabel, this);
  Label(QStringLiteral("Font Size"), kFontSizeLabelId, kFontSizeLabel, this);
  Label(QStringLiteral("Paper"), kPaperLabelId, kPaperLabel, this);

  auto* preview = new QPushButton(QStringLiteral("Pre&view"), this);
  SetControlId(preview, kPreviewButtonId);
  preview->setAutoDefault(false);
  preview->setGeometry(kPreviewButton);
  auto* print = new QPushButton(QStringLiteral("Print"), this);
  SetControlId(print, kPrintButtonId);
  print->setAutoDefault(false);
  print->setGeometry(kPrintButton);
  // A font size that cannot be printed with is said before anything is made.
  connect(preview, &QPushButton::clicked, this, [this] {
    if (!controls_->refuseFontSize(this)) emit previewPressed();
  });
  connect(print, &QPushButton::clicked, this, [this] {
    if (!controls_->refuseFontSize(this)) emit printPressed();
  });

  controls_->setPrinters(choices.printers, QString::fromStdString(settings_.printer));
  controls_->setFonts(choices.fonts, QString::fromStdString(settings_.fontFace));
  controls_->setFontSize(kStartFontSize);
  controls_->setCopies(1);
  controls_->setLandscape(settings_.landscape);
  controls_->setPapers(choices.papers, settings_.paper);
  connect(controls_, &PrintSettingsControls::orientationChanged, this, [this] { update(); });
  // A PDF file is written once, whatever Copies says.
  const auto greyCopiesForPdf = [this](const QString& printer) {
    controls_->copiesBox()->setEnabled(printer != QLatin1String(kPrintToPdf));
  };
  connect(controls_, &PrintSettingsControls::printerSelected, this, greyCopiesForPdf);
  greyCopiesForPdf(controls_->selectedPrinter());
}

std::optional<PrintSettings> PrintPage::chosenSettings() const {
  const QString printer = controls_->selectedPrinter();
  if (printer.isEmpty()) return std::nullopt;
  PrintSettings chosen =
      ApplyPrintChoice(settings_, {printer.toStdString(), controls_->selectedFont().toStdString(),
                                   controls_->typedFontSize(), controls_->typedCopies(), controls_->landscape()});
  chosen.paper = controls_->paper().toStdString();
  return chosen;
}

void PrintPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(-kPageArea.topLeft());
  PaintCaptionPanel(painter, palette(), kPrinterPanel, QStringLiteral("Use Printer"));
  PaintCaptionPanel(painter, palette(), kFontPanel, QStringLiteral("Select Font"));
  painter.drawPixmap(kOrientationPicture, controls_->orientationPicture());
}

}  // namespace rv
