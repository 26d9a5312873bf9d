#include "app/about_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/resource_pictures.h"

#ifndef REGROVANTIS_VERSION
#define REGROVANTIS_VERSION "1.0.0"
#endif

namespace rv {

namespace {

constexpr QSize kIconSize(32, 32);

}  // namespace

void ShowAboutDialog(QWidget* owner) {
  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("AbutDlg"));
  dialog.setWindowTitle(QStringLiteral("About Regrovantis"));
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(ResourcePicture(QStringLiteral("Regrovantis"), kIconSize));
  auto* name = new QLabel(QStringLiteral("Regrovantis"), &dialog);
  name->setFont(CaptionFont());
  auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(REGROVANTIS_VERSION)), &dialog);
  auto* purpose = new QLabel(QStringLiteral("Empirical curve fitting by multiple linear regression"), &dialog);
  auto* ok = new QPushButton(QStringLiteral("&OK"), &dialog);
  SetControlId(ok, kAnswerOk);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addWidget(purpose);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  PlaceDialog(&dialog, MainWindowOf(owner));
  dialog.exec();
}

}  // namespace rv
