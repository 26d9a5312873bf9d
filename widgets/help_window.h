#pragma once

#include <QWidget>

class QTextBrowser;

namespace rv {

// The window that shows the help file, one per main window.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* mainWindow);

  // Loads the file when it is not loaded yet and shows the topic at anchor.
  void showAt(const QString& path, const QString& anchor);

  QString shownAnchor() const { return anchor_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  QString path_;
  QString anchor_;
};

}  // namespace rv
