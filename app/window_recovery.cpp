#include "app/window_recovery.h"

#include <unistd.h>

#include <QTimer>
#include <QtGlobal>
#include <set>

#include "app/kept_sheets_dialog.h"
#include "app/open_file_guard.h"
#include "files/running_process.h"

namespace rv {

namespace {

// The slots of this process's open windows; windows are made and closed on
// the user interface thread only.
std::set<std::string>& OpenSlots() {
  static std::set<std::string> open;
  return open;
}

RecoveryKeeper ThisProcess() {
  const int id = static_cast<int>(::getpid());
  static const std::uint64_t start = ProcessStartStamp(id);
  return {id, start};
}

}  // namespace

WindowRecovery::WindowRecovery(std::string folder, const Document& document, const DataFileSession& session,
                               const EquationList& equations, const OpenFileGuard& guard, QObject* parent)
    : QObject(parent),
      document_(document),
      session_(session),
      equations_(equations),
      guard_(guard),
      folder_(std::move(folder)),
      slot_(NewRecoverySlot()) {
  OpenSlots().insert(slot_.id);
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &WindowRecovery::keep);
}

WindowRecovery::~WindowRecovery() { OpenSlots().erase(slot_.id); }

void WindowRecovery::setInterval(int minutes) {
  minutes_ = minutes;
  if (minutes <= 0 || folder_.empty()) {
    timer_->stop();
    return;
  }
  timer_->start(minutes * 60 * 1000);
}

void WindowRecovery::keep() {
  if (!keeping_ || folder_.empty()) return;
  if (!document_.state.modified) {
    letGo();
    return;
  }
  const Outcome<void> kept =
      SaveRecoveryFile(folder_, slot_, ThisProcess(), {document_, session_, equations_, guard_.identity()});
  if (kept) {
    failure_.clear();
    return;
  }
  if (kept.message().text == failure_) return;
  failure_ = kept.message().text;
  const QString text =
      QStringLiteral("The sheet could not be kept for recovery: %1").arg(QString::fromStdString(failure_));
  qWarning("%s", qUtf8Printable(text));
  emit failed(text);
}

void WindowRecovery::letGo() const { RemoveRecoveryFile(folder_, slot_); }

// A process id of this process that names another run was never this one's.
std::vector<RecoveredSheet> WindowRecovery::sheetsToOffer() const {
  const RecoveryKeeper self = ThisProcess();
  return RecoveredSheets(folder_, [self](const RecoveredSheet& sheet) {
    if (sheet.keeper.processId == self.processId) return sheet.keeper == self && OpenSlots().count(sheet.slot.id) != 0;
    return ProcessIsRunning(sheet.keeper.processId, sheet.keeper.processStart);
  });
}

std::vector<RecoveredSheet> WindowRecovery::offerKeptSheets(QWidget* owner) const {
  const std::vector<RecoveredSheet> offered = sheetsToOffer();
  if (offered.empty()) return {};
  const std::vector<KeptSheetChoice> choices = ChooseKeptSheets(offered, owner);
  std::vector<RecoveredSheet> restore;
  // A signal that ends the program while it asks leaves every kept sheet.
  if (!keeping_) return restore;
  for (std::size_t i = 0; i < offered.size(); ++i) {
    if (choices[i] == KeptSheetChoice::Discard) RemoveRecoveryFile(folder_, offered[i].slot);
    if (choices[i] == KeptSheetChoice::Restore) restore.push_back(offered[i]);
  }
  return restore;
}

}  // namespace rv
