#include "app/file_drop_target.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace rv {

FileDropTarget::FileDropTarget(QWidget* window, std::function<void(const std::string& path)> open)
    : QObject(window), open_(std::move(open)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::DragEnter) {
    auto* enter = static_cast<QDragEnterEvent*>(event);
    if (enter->mimeData()->hasUrls() && accepting_) enter->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    for (const QUrl& url : drop->mimeData()->urls()) {
      if (!url.isLocalFile()) continue;
      drop->acceptProposedAction();
      const std::string path = QFile::encodeName(url.toLocalFile()).toStdString();
      QTimer::singleShot(0, this, [this, path] { open_(path); });
      return true;
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace rv
