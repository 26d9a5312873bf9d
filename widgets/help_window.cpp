#include "widgets/help_window.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/help.h"

namespace rv {

namespace {

constexpr QSize kFirstSize(560, 420);  // the user may resize it from there

}  // namespace

HelpWindow::HelpWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Regrovantis Help"));
  browser_->setObjectName(QStringLiteral("HelpText"));
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(kFirstSize);
}

void HelpWindow::showAt(const QString& path, const QString& anchor) {
  if (path != path_) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) browser_->setHtml(QString::fromUtf8(file.read(kMaxHelpFileBytes)));
    path_ = path;
  }
  anchor_ = anchor;
  // Help asked for from a modal dialog must be readable while the dialog is
  // open, so the window then takes its turn as the modal one.
  QWidget* modal = QApplication::activeModalWidget();
  const bool overModalDialog = modal != nullptr && modal != this;
  if (overModalDialog != (windowModality() == Qt::ApplicationModal)) {
    hide();
    setWindowModality(overModalDialog ? Qt::ApplicationModal : Qt::NonModal);
  }
  if (!isVisible() && parentWidget() != nullptr) {
    const QPoint centre = parentWidget()->frameGeometry().center();
    move(centre.x() - width() / 2, centre.y() - height() / 2);
  }
  show();
  raise();
  activateWindow();
  // A freshly loaded text is laid out only when the window shows; the topic
  // is found again once it has been.
  browser_->scrollToAnchor(anchor);
  QTimer::singleShot(0, browser_, [browser = browser_, anchor] { browser->scrollToAnchor(anchor); });
}

}  // namespace rv
