#include "graph/ui/copy_graph_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"

namespace rv {

int ShowCopyGraphDialog(QWidget* owner) {
  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("CopyDlg"));
  dialog.setWindowTitle(QStringLiteral("Copy Graph"));
  auto* picture = new QRadioButton(QStringLiteral("Copy &Picture - (Bitmap Format)"), &dialog);
  SetControlId(picture, kCopyPicture);
  picture->setChecked(true);
  auto* points = new QRadioButton(QStringLiteral("Copy &Data Points - (Text Format)"), &dialog);
  SetControlId(points, kCopyDataPoints);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
  SetControlId(buttons->button(QDialogButtonBox::Ok), kAnswerOk);
  SetControlId(buttons->button(QDialogButtonBox::Cancel), kAnswerCancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(picture);
  layout->addWidget(points);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  InstallContextHelp(&dialog, kCopyGraphHelpBase);
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (dialog.exec() != QDialog::Accepted) return 0;
  return picture->isChecked() ? kCopyPicture : kCopyDataPoints;
}

}  // namespace rv
