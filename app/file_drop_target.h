#pragma once

#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace rv {

// Files dropped on the window: the first local one is opened once the drop
// has ended, so that the save-changes question and the reading wait for it.
class FileDropTarget : public QObject {
  Q_OBJECT
 public:
  FileDropTarget(QWidget* window, std::function<void(const std::string& path)> open);

  // Before start-up has finished nothing is dropped.
  void setAccepting(bool accepting) { accepting_ = accepting; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const std::string& path)> open_;
  bool accepting_ = false;
};

}  // namespace rv
