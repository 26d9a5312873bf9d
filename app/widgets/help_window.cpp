#include "app/widgets/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rv {

HelpWindow::HelpWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Regrovantis Help"));
  browser_->setObjectName(QStringLiteral("HelpText"));
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 420);
}

void HelpWindow::showAt(const QString& path, const QString& anchor) {
  if (path != path_) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) browser_->setHtml(QString::fromUtf8(file.readAll()));
    path_ = path;
  }
  anchor_ = anchor;
  if (!isVisible() && parentWidget() != nullptr) {
    const QPoint centre = parentWidget()->frameGeometry().center();
    move(centre.x() - width() / 2, centre.y() - height() / 2);
  }
  show();
  raise();
  activateWindow();
  browser_->scrollToAnchor(anchor);
}

}  // namespace rv
