#pragma once

#include <QObject>

class QSocketNotifier;

namespace rv {

// SIGTERM, SIGHUP and SIGINT end the program from outside: the desktop
// session ending, a kill, Ctrl+C in the terminal that started it. Their handlers may do next to nothing, so each only
// writes a byte into a socket pair; the event loop reads it and emits received(), where the program can keep the user's
// sheet and its settings before it goes. One instance for the program's life.
class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void received(int signalNumber);

 private:
  void readSignal();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace rv
