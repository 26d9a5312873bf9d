#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "files/recovery_file.h"

class QTimer;

namespace rv {

// A window's place in the recovery folder: its slot (this process's id and
// the window's number in it), the timer that keeps a modified sheet every
// few minutes, and the kept sheets of windows that are gone.
class WindowRecovery : public QObject {
  Q_OBJECT
 public:
  // keep runs at every tick of the timer. An empty folder keeps and offers
  // nothing.
  WindowRecovery(std::string folder, std::function<void()> keep, QObject* parent);
  ~WindowRecovery() override;

  const std::string& folder() const { return folder_; }
  RecoverySlot slot() const { return slot_; }
  // Minutes from one keep to the next; 0 stops the timer.
  void setInterval(int minutes);
  int interval() const { return minutes_; }

  // Keeps the sheet in this window's recovery file while it is modified, and
  // removes the file once nothing is left unsaved.
  void keep(const Document& document, const DataFileSession& session, const EquationList& equations) const;
  // Nothing is left to recover: the sheet was saved, or the user let the
  // changes go.
  void letGo() const;

  // The kept sheets of windows that are gone (of a process that has ended,
  // or closed windows of this one), oldest first.
  std::vector<RecoveredSheet> sheetsToOffer() const;

 private:
  std::string folder_;
  RecoverySlot slot_;
  int minutes_ = 0;
  QTimer* timer_ = nullptr;
};

}  // namespace rv
