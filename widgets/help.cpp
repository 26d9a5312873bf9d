#include "widgets/help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QShortcut>
#include <QVariant>

#include "widgets/control_id.h"
#include "widgets/help_window.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"

namespace rv {

namespace {

constexpr const char* kHelpFileProperty = "helpFile";

HelpWindow* HelpWindowOf(QWidget* owner) {
  QWidget* mainWindow = MainWindowOf(owner);
  auto* window =
      mainWindow != nullptr ? mainWindow->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (window == nullptr) window = new HelpWindow(mainWindow);
  return window;
}

void OpenHelpAt(QWidget* owner, const QString& anchor) {
  const QString path = HelpFilePath(owner);
  if (!HelpFileReadable(path)) {
    ShowMissingHelpFileMessage(owner);
    return;
  }
  HelpWindowOf(owner)->showAt(path, anchor);
}

// Watches a dialog for the title bar's help button clicks, which arrive as
// What's This requests that its controls pass up to it.
class ContextHelpFilter : public QObject {
 public:
  ContextHelpFilter(QDialog* dialog, int base, std::function<int(int)> mapId)
      : QObject(dialog), dialog_(dialog), base_(base), mapId_(std::move(mapId)) {}

  void showFor(QWidget* control) const {
    const int id = ControlIdWithin(control, dialog_);
    ShowContextHelp(dialog_, mapId_ ? mapId_(id) : id, base_);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != dialog_) return false;
    if (event->type() == QEvent::QueryWhatsThis) {
      event->accept();
      return true;
    }
    if (event->type() == QEvent::WhatsThis) {
      auto* help = static_cast<QHelpEvent*>(event);
      showFor(QApplication::widgetAt(help->globalPos()));
      return true;
    }
    return false;
  }

 private:
  QDialog* dialog_;
  int base_;
  std::function<int(int)> mapId_;
};

}  // namespace

QString HelpTopicAnchor(int context) { return QStringLiteral("c%1").arg(context); }

QString HelpFilePath(QWidget* widget) {
  QWidget* mainWindow = MainWindowOf(widget);
  const QVariant path = mainWindow != nullptr ? mainWindow->property(kHelpFileProperty) : QVariant();
  if (path.isValid()) return path.toString();
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(kHelpFileName);
}

void SetHelpFilePath(QWidget* mainWindow, const QString& path) { mainWindow->setProperty(kHelpFileProperty, path); }

bool HelpFileReadable(const QString& path) {
  // Opening a pipe would wait for a writer, and reading a device never end.
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kMaxHelpFileBytes) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly);
}

void ShowMissingHelpFileMessage(QWidget* owner) {
  ShowMessage(QStringLiteral("Can not find the help file, Regrovantis.hlp,\nyou need to reinstall the program."), owner,
              MessageKind::Information);
}

void ShowHelpContents(QWidget* owner) { OpenHelpAt(owner, QStringLiteral("contents")); }

void ShowHelpTopic(QWidget* owner, int context) { OpenHelpAt(owner, HelpTopicAnchor(context)); }

void SetOwnHelpTopic(QWidget* control, int context) { control->setProperty("ownHelpTopic", context); }

int OwnHelpTopic(const QWidget* control) { return control->property("ownHelpTopic").toInt(); }

void ShowContextHelp(QWidget* dialog, int controlId, int base) {
  if (controlId < 100 || controlId > 9998) {
    ShowMessage(QStringLiteral("For context help select a contol,\nsuch as a button or check box."), dialog,
                MessageKind::Information);
    return;
  }
  ShowHelpTopic(dialog, controlId + base);
}

void InstallContextHelp(QDialog* dialog, int base, std::function<int(int)> mapId) {
  dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  auto* filter = new ContextHelpFilter(dialog, base, std::move(mapId));
  dialog->installEventFilter(filter);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
  f1->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(f1, &QShortcut::activated, dialog, [filter] { filter->showFor(QApplication::focusWidget()); });
}

int ControlIdWithin(QWidget* widget, QWidget* root) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (ControlId(w) != -1) return ControlId(w);
    if (w == root) break;
  }
  return -1;
}

}  // namespace rv
