#include "print/ui/print_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "print/paper.h"
#include "widgets/control_id.h"
#include "widgets/place_dialog.h"
#include "widgets/print_settings_controls.h"
#include "widgets/program_fonts.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

constexpr QSize kClientSize(448, 232);
constexpr QRect kPrinterPanel(6, 6, 300, 148);
constexpr QRect kFontPanel(310, 6, 132, 122);
constexpr QPoint kOrientationPicture(216, 192);

constexpr PrintControlPlaces kControlPlaces{
    .printers = QRect(12, 30, 288, 60),
    .fonts = QRect(316, 30, 120, 62),
    .fontSize = QRect(372, 100, 62, 20),
    .copies = QRect(60, 166, 56, 20),
    .portrait = QRect(130, 164, 80, 18),
    .landscape = QRect(130, 186, 80, 18),
    .paper = QRect(60, 196, 66, 22),
};
constexpr QRect kFontSizeLabel(316, 100, 56, 20);
constexpr QRect kCopiesLabel(14, 166, 44, 20);
constexpr QRect kPaperLabel(14, 196, 44, 20);

// The printer's status: a caption and its field on each line.
constexpr int kStatusTop = 94;
constexpr int kStatusPitch = 14;
constexpr int kStatusCaptionLeft = 14;
constexpr int kStatusCaptionWidth = 56;
constexpr int kStatusFieldLeft = 72;
constexpr int kStatusFieldWidth = 228;

// The buttons, one under the other at the right.
constexpr QRect kPrintButton(318, 134, 116, 22);
constexpr QRect kPropertiesButton(318, 158, 116, 22);
constexpr QRect kPreviewButton(318, 182, 116, 22);
constexpr QRect kCancelButton(318, 206, 116, 22);

QLabel* Label(const QString& text, const QRect& place, QWidget* dialog) {
  auto* label = new QLabel(text, dialog);
  label->setGeometry(place);
  return label;
}

QPushButton* Button(const QString& text, int id, const QRect& place, QWidget* dialog) {
  auto* button = new QPushButton(text, dialog);
  SetControlId(button, id);
  button->setGeometry(place);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

QString PrintDialogTitle(PrintDialogKind kind) {
  switch (kind) {
    case PrintDialogKind::Equation: return QStringLiteral("Print Equation");
    case PrintDialogKind::Graph: return QStringLiteral("Print Graph");
    case PrintDialogKind::Data: break;
  }
  return QStringLiteral("Print Data");
}

PrintDialog::PrintDialog(PrintDialogKind kind, const PrintSettings& settings, QWidget* owner,
                         QFuture<PrintServerSurvey> survey, QStringList fonts, PrintPreviewRequest preview)
    : QDialog(owner), settings_(settings), preview_(std::move(preview)) {
  setObjectName(QStringLiteral("PrntDlg"));
  setWindowTitle(PrintDialogTitle(kind));
  setFont(DialogFont());
  resize(kClientSize);

  controls_ = new PrintSettingsControls(
      {kPrinterListId, kFontListId, kFontSizeId, kFontSizeUpDownId, kCopiesId, kCopiesUpDownId, kPortraitId,
       kLandscapeId, kPaperId, kMinFontSizeChoice, kMaxFontSizeChoice, kMinCopies, kMaxCopies},
      this);
  controls_->place(kControlPlaces);
  Label(QStringLiteral("Font Size"), kFontSizeLabel, this);
  Label(QStringLiteral("Copies"), kCopiesLabel, this);

  // Page Setup: the paper, or the one the printer (or, for a PDF, the
  // locale) has.
  Label(QStringLiteral("Paper"), kPaperLabel, this);
  controls_->setPapers(PaperNames(), settings.paper);

  QLabel** fields[4] = {&status_, &type_, &where_, &comment_};
  const char* captions[4] = {"Status:", "Type:", "Where:", "Comment:"};
  const int ids[4] = {kStatusId, kTypeId, kWhereId, kCommentId};
  for (int i = 0; i < 4; ++i) {
    const int y = kStatusTop + i * kStatusPitch;
    Label(QString::fromLatin1(captions[i]), QRect(kStatusCaptionLeft, y, kStatusCaptionWidth, kStatusPitch), this);
    *fields[i] = Label(QString(), QRect(kStatusFieldLeft, y, kStatusFieldWidth, kStatusPitch), this);
    SetControlId(*fields[i], ids[i]);
  }

  auto* print = Button(QStringLiteral("&Print"), kPrintButtonId, kPrintButton, this);
  print->setDefault(true);
  propertiesButton_ = Button(QStringLiteral("P&roperties"), kPropertiesButtonId, kPropertiesButton, this);
  previewButton_ = Button(QStringLiteral("Pre&view"), kPreviewButtonId, kPreviewButton, this);
  previewButton_->setEnabled(static_cast<bool>(preview_));
  auto* cancel = Button(QStringLiteral("&Cancel"), kCancelButtonId, kCancelButton, this);
  options_ = {settings.sides, settings.quality};
  optionsPrinter_ = settings.printer;
  connect(print, &QPushButton::clicked, this, [this] {
    if (controls_->refuseFontSize(this)) return;
    accept();
  });
  connect(propertiesButton_, &QPushButton::clicked, this, &PrintDialog::editProperties);
  connect(previewButton_, &QPushButton::clicked, this, [this] { preview_(chosenSettings(), this); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(controls_, &PrintSettingsControls::orientationChanged, this, [this] { update(); });

  // Until the print server answers, the printer in use and Print to PDF.
  QStringList waiting{QLatin1String(kPrintToPdf)};
  if (!settings.printer.empty() && settings.printer != kPrintToPdf)
    waiting.prepend(QString::fromStdString(settings.printer));
  controls_->setPrinters(waiting, QString::fromStdString(settings.printer.empty() ? kPrintToPdf : settings.printer));
  controls_->setFonts(std::move(fonts), QString::fromStdString(settings.fontFace));
  controls_->setFontSize(ClampTypedFontSize(settings.fontSize));
  controls_->setCopies(settings.copies);
  controls_->setLandscape(settings.landscape);
  connect(controls_, &PrintSettingsControls::printerSelected, this, &PrintDialog::showStatus);
  showStatus(controls_->selectedPrinter());
  controls_->printerList()->setFocus();
  PlaceDialog(this, owner);

  connect(&watcher_, &QFutureWatcherBase::finished, this, &PrintDialog::takeSurvey);
  watcher_.setFuture(survey);
}

PrintSettings PrintDialog::chosenSettings() const {
  PrintSettings chosen =
      ApplyPrintChoice(settings_, {controls_->selectedPrinter().toStdString(), controls_->selectedFont().toStdString(),
                                   controls_->typedFontSize(), controls_->typedCopies(), controls_->landscape()});
  chosen.paper = controls_->paper().toStdString();
  chosen.printerMedia = QueueMedia(QString::fromStdString(chosen.printer), survey_);
  // Options set for one printer do not go to another.
  const QueueOptions options = chosen.printer == optionsPrinter_ ? options_ : QueueOptions{};
  chosen.sides = options.sides;
  chosen.quality = options.quality;
  return chosen;
}

void PrintDialog::takeSurvey() {
  survey_ = watcher_.future().result();
  surveyed_ = true;
  // The printer selected meanwhile stays selected; else the one in use, or
  // the server's default when none is.
  QString current = controls_->selectedPrinter();
  if (settings_.printer.empty() && current == QLatin1String(kPrintToPdf)) current = DefaultPrinterChoice(survey_);
  controls_->setPrinters(PrinterChoices(survey_, settings_.printer), current);
  showStatus(controls_->selectedPrinter());
}

void PrintDialog::showStatus(const QString& printer) {
  const bool pdf = printer == QLatin1String(kPrintToPdf);
  PrinterStatusFields fields;
  if (!surveyed_ && !pdf && !printer.isEmpty()) fields = {kLookingForPrinters, "", "", ""};
  else if (!printer.isEmpty()) fields = StatusFieldsOfChoice(printer, survey_);
  status_->setText(QString::fromStdString(fields.status));
  type_->setText(QString::fromStdString(fields.type));
  where_->setText(QString::fromStdString(fields.where));
  comment_->setText(QString::fromStdString(fields.comment));
  // A PDF file is written once, whatever Copies says.
  controls_->copiesBox()->setEnabled(!pdf);
  const PrintQueue* queue = QueueNamed(printer, survey_);
  propertiesButton_->setEnabled(queue != nullptr && HasQueueOptions(*queue));
}

void PrintDialog::editProperties() {
  const QString printer = controls_->selectedPrinter();
  const PrintQueue* queue = QueueNamed(printer, survey_);
  if (queue == nullptr) return;
  const std::string name = printer.toStdString();
  const std::optional<QueueOptions> edited =
      EditQueueOptions(*queue, name == optionsPrinter_ ? options_ : QueueOptions{}, this);
  if (!edited) return;
  options_ = *edited;
  optionsPrinter_ = name;
}

void PrintDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintCaptionPanel(painter, palette(), kPrinterPanel, QStringLiteral("Use Printer"));
  PaintCaptionPanel(painter, palette(), kFontPanel, QStringLiteral("Select Font"));
  painter.drawPixmap(kOrientationPicture, controls_->orientationPicture());
}

std::optional<PrintSettings> ShowPrintDialog(PrintDialogKind kind, const PrintSettings& settings, QWidget* owner,
                                             PrintPreviewRequest preview) {
  PrintDialog dialog(kind, settings, owner, SurveyPrintServerInBackground(), PrintFontFaces(), std::move(preview));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenSettings();
}

}  // namespace rv
