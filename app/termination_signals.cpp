#include "app/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace rv {

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int kHandledSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void WriteSignalNumber(int signalNumber) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
  errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return;
  notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
  struct sigaction action {};
  action.sa_handler = WriteSignalNumber;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : kHandledSignals) ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : kHandledSignals) ::sigaction(signalNumber, &action, nullptr);
  for (int& end : pipeEnds) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

void TerminationSignals::readSignal() {
  unsigned char byte = 0;
  if (::read(pipeEnds[1], &byte, 1) == 1) emit received(byte);
}

}  // namespace rv
