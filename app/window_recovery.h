#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "files/recovery_file.h"

class QTimer;
class QWidget;

namespace rv {

class OpenFileGuard;

// A window's place in the recovery folder: its slot, the timer that keeps a
// modified sheet every few minutes, and the kept sheets of windows that are
// gone.
class WindowRecovery : public QObject {
  Q_OBJECT
 public:
  // The sheet kept is the document with its session and list, and the file
  // as the guard last saw it. An empty folder keeps and offers nothing.
  WindowRecovery(std::string folder, const Document& document, const DataFileSession& session,
                 const EquationList& equations, const OpenFileGuard& guard, QObject* parent);
  ~WindowRecovery() override;

  // Keeping starts once start-up has finished and ends with the shutdown:
  // before, nothing of the user's is in the window; after, the sheet was
  // either kept by the session's end or let go.
  void setKeeping(bool keeping) { keeping_ = keeping; }

  const std::string& folder() const { return folder_; }
  const RecoverySlot& slot() const { return slot_; }
  // Minutes from one keep to the next; 0 stops the timer.
  void setInterval(int minutes);
  int interval() const { return minutes_; }

  // Keeps the sheet in this window's recovery file while it is modified, and
  // removes the file once nothing is left unsaved. A sheet that cannot be
  // kept is reported once (failed()), not at every try.
  void keep();
  // Nothing is left to recover: the sheet was saved, or the user let the
  // changes go.
  void letGo() const;

  // The kept sheets of windows that are gone (of a process that has ended,
  // or closed windows of this one), oldest first.
  std::vector<RecoveredSheet> sheetsToOffer() const;
  // Offers those sheets over owner in one dialog; removes the ones the user
  // discards and returns the ones to restore, oldest first. The others stay
  // for the next start.
  std::vector<RecoveredSheet> offerKeptSheets(QWidget* owner) const;

 signals:
  // The sheet could not be kept: the text says why, for the status bar.
  void failed(const QString& text);

 private:
  const Document& document_;
  const DataFileSession& session_;
  const EquationList& equations_;
  const OpenFileGuard& guard_;
  std::string folder_;
  RecoverySlot slot_;
  int minutes_ = 0;
  bool keeping_ = false;
  QTimer* timer_ = nullptr;
  // The last failure reported, so that it is reported once.
  std::string failure_;
};

}  // namespace rv
