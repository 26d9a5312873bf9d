#include "print/ui/printer_properties_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <algorithm>

#include "widgets/control_id.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr int kMinimumWidth = 320;  // the title, with the queue's name, shows whole

QString SidesName(const std::string& keyword) {
  if (keyword == "one-sided") return QStringLiteral("One-sided");
  if (keyword == "two-sided-long-edge") return QStringLiteral("Two-sided, long edge");
  if (keyword == "two-sided-short-edge") return QStringLiteral("Two-sided, short edge");
  return QString::fromStdString(keyword);
}

QString QualityName(int quality) {
  switch (quality) {
    case 3: return QStringLiteral("Draft");
    case 4: return QStringLiteral("Normal");
    case 5: return QStringLiteral("High");
    default: return QString::number(quality);
  }
}

// A choice list whose first entry leaves the queue's own setting.
QComboBox* Choices(int id, QWidget* dialog) {
  auto* box = new QComboBox(dialog);
  SetControlId(box, id);
  box->addItem(QStringLiteral("Printer's own"), QVariant());
  return box;
}

void Select(QComboBox* box, const QVariant& value) { box->setCurrentIndex(std::max(0, box->findData(value))); }

}  // namespace

bool HasQueueOptions(const PrintQueue& queue) {
  return queue.sidesSupported.size() > 1 || queue.qualitiesSupported.size() > 1;
}

PrinterPropertiesDialog::PrinterPropertiesDialog(const PrintQueue& queue, const QueueOptions& current, QWidget* owner)
    : QDialog(owner), sides_(Choices(kSidesId, this)), quality_(Choices(kQualityId, this)) {
  setObjectName(QStringLiteral("PropDlg"));
  setWindowTitle(QStringLiteral("Properties - %1").arg(QString::fromStdString(queue.name)));
  setFont(DialogFont());
  for (const std::string& sides : queue.sidesSupported)
    sides_->addItem(SidesName(sides), QString::fromStdString(sides));
  for (const int quality : queue.qualitiesSupported) quality_->addItem(QualityName(quality), quality);
  if (!current.sides.empty()) Select(sides_, QString::fromStdString(current.sides));
  if (current.quality != 0) Select(quality_, current.quality);
  sides_->setEnabled(queue.sidesSupported.size() > 1);
  quality_->setEnabled(queue.qualitiesSupported.size() > 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Two-sided"), sides_);
  layout->addRow(QStringLiteral("Quality"), quality_);
  layout->addRow(buttons);
  setMinimumWidth(kMinimumWidth);
  PlaceDialog(this, owner);
}

QueueOptions PrinterPropertiesDialog::chosen() const {
  return {sides_->currentData().toString().toStdString(), quality_->currentData().toInt()};
}

std::optional<QueueOptions> EditQueueOptions(const PrintQueue& queue, const QueueOptions& current, QWidget* owner) {
  PrinterPropertiesDialog dialog(queue, current, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen();
}

}  // namespace rv
