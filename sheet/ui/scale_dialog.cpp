#include "sheet/ui/scale_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr QSize kOperationButtonSize(32, 28);

struct OperationButton {
  ScaleOperation operation;
  int id;
  const char* image;
  const char* symbol;
};

constexpr OperationButton kOperationButtons[] = {
    {ScaleOperation::Add, ScaleDialog::kAddId, "SADD", "+"},
    {ScaleOperation::Subtract, ScaleDialog::kSubtractId, "SSUB", "\u2212"},
    {ScaleOperation::Multiply, ScaleDialog::kMultiplyId, "SMUL", "\u00d7"},
    {ScaleOperation::Divide, ScaleDialog::kDivideId, "SDIV", "\u00f7"},
};

}  // namespace

ScaleDialog::ScaleDialog(DataSheet& sheet, int column, QWidget* parent)
    : QDialog(parent), sheet_(sheet), column_(column), factor_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("ScleDlg"));
  setWindowTitle(QStringLiteral("Scale Variable ") + QString::fromStdString(sheet.names[column]));
  setFont(DialogFont());
  SetControlId(factor_, kFactorId);

  auto* operations = new QHBoxLayout;
  for (const OperationButton& button : kOperationButtons) {
    auto* push = new QPushButton(QString::fromUtf8(button.symbol), this);
    push->setObjectName(QString::fromLatin1(button.image));
    push->setAutoDefault(false);
    push->setFixedSize(kOperationButtonSize);
    SetControlId(push, button.id);
    connect(push, &QPushButton::clicked, this, [this, operation = button.operation] { apply(operation); });
    operations->addWidget(push);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  SetControlId(buttons->button(QDialogButtonBox::Ok), kAnswerOk);
  SetControlId(buttons->button(QDialogButtonBox::Cancel), kAnswerCancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Factor:"), this), 0, 0);
  layout->addWidget(factor_, 0, 1);
  layout->addLayout(operations, 1, 0, 1, 2);
  layout->addWidget(buttons, 2, 0, 1, 2);
  InstallContextHelp(this, kScaleHelpBase);
  factor_->setFocus();
}

void ScaleDialog::apply(ScaleOperation operation) {
  factor_->setFocus();
  if (!ScaleColumn(sheet_.cells, column_, operation, ReadScaleFactor(factor_->text().toStdString()))) return;
  factor_->clear();
  emit columnChanged();
}

}  // namespace rv
