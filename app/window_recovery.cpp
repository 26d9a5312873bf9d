#include "app/window_recovery.h"

#include <unistd.h>

#include <QDateTime>
#include <QTimer>
#include <set>

#include "files/running_process.h"
#include "widgets/message_dialog.h"

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

WindowRecovery::WindowRecovery(std::string folder, const Document& document, const DataFileSession& session,
                               const EquationList& equations, QObject* parent)
    : QObject(parent),
      document_(document),
      session_(session),
      equations_(equations),
      folder_(std::move(folder)),
      slot_{static_cast<int>(::getpid()), NextWindowNumber()} {
  OpenWindows().insert(slot_.window);
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &WindowRecovery::keep);
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

void WindowRecovery::keep() const {
  if (!keeping_) return;
  if (document_.state.modified) SaveRecoveryFile(folder_, slot_, document_, session_, equations_);
  else letGo();
}

void WindowRecovery::letGo() const { RemoveRecoveryFile(folder_, slot_); }

std::vector<RecoveredSheet> WindowRecovery::sheetsToOffer() const {
  const int self = slot_.processId;
  return RecoveredSheets(folder_, [self](RecoverySlot slot) {
    return slot.processId == self ? OpenWindows().count(slot.window) != 0 : ProcessIsRunning(slot.processId);
  });
}

bool WindowRecovery::offerKeptSheets(QWidget* owner, const std::function<bool(const RecoveredSheet&)>& restore) const {
  for (const RecoveredSheet& sheet : sheetsToOffer()) {
    const QString keptAt = QDateTime::fromSecsSinceEpoch(sheet.keptAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    // The dialog is as wide as its first line.
    const QString question = QStringLiteral(
                                 "The changes to '%1' kept at %2\nwere not saved when the program ended."
                                 "\nDo you want to restore them?")
                                 .arg(QString::fromStdString(sheet.title), keptAt);
    const MessageAnswer answer = ShowMessage(question, owner, MessageKind::YesNo);
    // A signal that ends the program while it asks leaves every kept sheet.
    if (!keeping_) return false;
    if (answer != MessageAnswer::Yes) {
      if (answer == MessageAnswer::No) RemoveRecoveryFile(folder_, sheet.slot);
      continue;
    }
    if (!restore(sheet)) continue;
    // Kept again at once, now as this window's.
    keep();
    return true;
  }
  return false;
}

}  // namespace rv
