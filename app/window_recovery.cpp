#include "app/window_recovery.h"

#include <unistd.h>

#include <QTimer>
#include <set>

#include "files/running_process.h"

namespace rv {

namespace {

// The numbers of this process's windows that are open; windows are made
// and closed on the user interface thread only.
std::set<int>& OpenWindows() {
  static std::set<int> open;
  return open;
}

int NextWindowNumber() {
  static int last = 0;
  return ++last;
}

}  // namespace

WindowRecovery::WindowRecovery(std::string folder, std::function<void()> keep, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), slot_{static_cast<int>(::getpid()), NextWindowNumber()} {
  OpenWindows().insert(slot_.window);
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, std::move(keep));
}

WindowRecovery::~WindowRecovery() { OpenWindows().erase(slot_.window); }

void WindowRecovery::setInterval(int minutes) {
  minutes_ = minutes;
  if (minutes <= 0 || folder_.empty()) {
    timer_->stop();
    return;
  }
  timer_->start(minutes * 60 * 1000);
}

void WindowRecovery::keep(const Document& document, const DataFileSession& session,
                          const EquationList& equations) const {
  if (document.state.modified)
    SaveRecoveryFile(folder_, slot_, document, session, equations);
  else
    letGo();
}

void WindowRecovery::letGo() const { RemoveRecoveryFile(folder_, slot_); }

std::vector<RecoveredSheet> WindowRecovery::sheetsToOffer() const {
  const int self = slot_.processId;
  return RecoveredSheets(folder_, [self](RecoverySlot slot) {
    return slot.processId == self ? OpenWindows().count(slot.window) != 0 : ProcessIsRunning(slot.processId);
  });
}

}  // namespace rv
