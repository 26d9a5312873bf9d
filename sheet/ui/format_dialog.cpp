#include "sheet/ui/format_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "sheet/format_preview.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

// The three categories' list shows them all without scrolling.
constexpr QSize kCategoryListSize(120, 60);
constexpr int kPreviewMinimumWidth = 140;

}  // namespace

FormatDialog::FormatDialog(ColumnFormat format, QWidget* parent)
    : QDialog(parent),
      category_(new QListWidget(this)),
      places_(new UpDownEdit(kPlacesId, kPlacesUpDownId, 0, kMaxDecimalPlaces, this)),
      preview_(new QLabel(this)) {
  setObjectName(QStringLiteral("FrmtDlg"));
  setWindowTitle(QStringLiteral("Format Column"));
  setFont(DialogFont());

  category_->addItems({QStringLiteral("General"), QStringLiteral("Number"), QStringLiteral("Scientific")});
  category_->setCurrentRow(static_cast<int>(format.kind));
  category_->setFixedSize(kCategoryListSize);
  SetControlId(category_, kCategoryId);
  places_->setValue(static_cast<int>(std::min<std::uint32_t>(format.places, kMaxDecimalPlaces)));
  preview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  preview_->setMinimumWidth(kPreviewMinimumWidth);
  SetControlId(preview_, kPreviewId);

  auto* sample = new QGroupBox(QStringLiteral("Sample"), this);
  auto* sampleLayout = new QVBoxLayout(sample);
  sampleLayout->addWidget(preview_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  SetControlId(buttons->button(QDialogButtonBox::Ok), kAnswerOk);
  SetControlId(buttons->button(QDialogButtonBox::Cancel), kAnswerCancel);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Category:"), this), 0, 0);
  layout->addWidget(category_, 1, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(QStringLiteral("Decimal places:"), this), 0, 1);
  layout->addWidget(places_, 1, 1);
  layout->addWidget(sample, 2, 1);
  layout->addWidget(buttons, 4, 0, 1, 2);

  connect(category_, &QListWidget::currentRowChanged, this, &FormatDialog::showFormat);
  connect(places_->edit(), &QLineEdit::textChanged, this, &FormatDialog::showFormat);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  InstallContextHelp(this, kFormatHelpBase);
  showFormat();
}

ColumnFormat FormatDialog::format() const {
  return {static_cast<FormatKind>(std::max(0, category_->currentRow())),
          static_cast<std::uint32_t>(ClampedDecimal(places_->text(), 0, kMaxDecimalPlaces))};
}

void FormatDialog::showFormat() {
  const ColumnFormat chosen = format();
  places_->setEnabled(chosen.kind != FormatKind::General);
  preview_->setText(QString::fromStdString(FormatPreviewText(chosen)));
}

}  // namespace rv
