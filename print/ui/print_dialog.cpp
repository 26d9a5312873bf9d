#include "print/ui/print_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "print/ui/cups_printer.h"
#include "print/ui/printer_properties.h"
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
constexpr int kStatusTop = 94;
constexpr int kStatusPitch = 14;

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
    case PrintDialogKind::Equation:
      return QStringLiteral("Print Equation");
    case PrintDialogKind::Graph:
      return QStringLiteral("Print Graph");
    case PrintDialogKind::Data:
      break;
  }
  return QStringLiteral("Print Data");
}

PrintDialog::PrintDialog(PrintDialogKind kind, const PrintSettings& settings, PrinterProperties& properties,
                         QWidget* owner, QStringList printers, QStringList fonts)
    : QDialog(owner), settings_(settings), properties_(properties) {
  setObjectName(QStringLiteral("PrntDlg"));
  setWindowTitle(PrintDialogTitle(kind));
  setFont(DialogFont());
  resize(kClientSize);

  controls_ = new PrintSettingsControls({kPrinterListId, kFontListId, kFontSizeId, kFontSizeUpDownId, kCopiesId,
                                         kCopiesUpDownId, kPortraitId, kLandscapeId, kMinFontSizeChoice,
                                         kMaxFontSizeChoice, kMinCopies, kMaxCopies},
                                        this);
  controls_->printerList()->setGeometry(12, 30, 288, 60);
  controls_->fontList()->setGeometry(316, 30, 120, 62);
  Label(QStringLiteral("Font Size"), QRect(316, 100, 56, 20), this);
  controls_->fontSizeBox()->setGeometry(372, 100, 62, 20);
  Label(QStringLiteral("Copies"), QRect(14, 166, 44, 20), this);
  controls_->copiesBox()->setGeometry(60, 166, 56, 20);
  controls_->portraitButton()->setGeometry(130, 164, 80, 18);
  controls_->landscapeButton()->setGeometry(130, 186, 80, 18);

  QLabel** fields[4] = {&status_, &type_, &where_, &comment_};
  const char* captions[4] = {"Status:", "Type:", "Where:", "Comment:"};
  const int ids[4] = {kStatusId, kTypeId, kWhereId, kCommentId};
  for (int i = 0; i < 4; ++i) {
    const int y = kStatusTop + i * kStatusPitch;
    Label(QString::fromLatin1(captions[i]), QRect(14, y, 56, kStatusPitch), this);
    *fields[i] = Label(QString(), QRect(72, y, 228, kStatusPitch), this);
    SetControlId(*fields[i], ids[i]);
  }

  auto* print = Button(QStringLiteral("&Print"), kPrintButtonId, QRect(318, 138, 116, 24), this);
  print->setDefault(true);
  auto* propertiesButton = Button(QStringLiteral("P&roperties"), kPropertiesButtonId, QRect(318, 168, 116, 24), this);
  auto* cancel = Button(QStringLiteral("&Cancel"), kCancelButtonId, QRect(318, 198, 116, 24), this);
  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(propertiesButton, &QPushButton::clicked, this, &PrintDialog::editProperties);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(controls_, &PrintSettingsControls::orientationChanged, this, [this] { update(); });

  controls_->setPrinters(std::move(printers), QString::fromStdString(settings.printer));
  controls_->setFonts(std::move(fonts), QString::fromStdString(settings.fontFace));
  controls_->setFontSize(settings.fontSize);
  controls_->setCopies(settings.copies);
  controls_->setLandscape(settings.landscape);
  showStatus(controls_->selectedPrinter());
  connect(controls_, &PrintSettingsControls::printerSelected, this, &PrintDialog::showStatus);
  controls_->printerList()->setFocus();
  PlaceDialog(this, owner);
}

PrintSettings PrintDialog::chosenSettings() const {
  return ApplyPrintChoice(settings_, {controls_->selectedPrinter().toStdString(), controls_->selectedFont().toStdString(),
                                     controls_->typedFontSize(), controls_->typedCopies(), controls_->landscape()});
}

void PrintDialog::showStatus(const QString& printer) {
  const PrinterStatusFields fields = printer.isEmpty() ? PrinterStatusFields{} : StatusFieldsOfChoice(printer);
  status_->setText(QString::fromStdString(fields.status));
  type_->setText(QString::fromStdString(fields.type));
  where_->setText(QString::fromStdString(fields.where));
  comment_->setText(QString::fromStdString(fields.comment));
}

void PrintDialog::editProperties() {
  const QString printer = controls_->selectedPrinter();
  if (printer.isEmpty()) return;
  properties_.edit(printer, this);
  showStatus(printer);
}

void PrintDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintCaptionPanel(painter, palette(), kPrinterPanel, QStringLiteral("Use Printer"));
  PaintCaptionPanel(painter, palette(), kFontPanel, QStringLiteral("Select Font"));
  painter.drawPixmap(kOrientationPicture, controls_->orientationPicture());
}

std::optional<PrintSettings> ShowPrintDialog(PrintDialogKind kind, const PrintSettings& settings,
                                             PrinterProperties& properties, QWidget* owner) {
  PrintDialog dialog(kind, settings, properties, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenSettings();
}

}  // namespace rv
