#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace rv::testing {

// A CUPS scheduler of the test's own: its configuration, spool and logs in
// a temporary folder, listening on a free localhost port, with two raw
// queues whose device writes every job into a file of that folder:
// kIdleQueue (the default printer), kStoppedQueue (stopped by the user) and
// kRefusingQueue (which does not accept jobs); kFailingQueue, whose
// device fails every job, which the queue then aborts; and
// kFilterFailsQueue, a PostScript printer whose filter fails every
// document, so the scheduler stops the job.
// While it runs, this process's print system calls go to it; it is stopped
// when the object goes.
class PrivateSpooler {
 public:
  static constexpr const char* kIdleQueue = "RegrovantisSpool";
  static constexpr const char* kStoppedQueue = "RegrovantisStopped";
  static constexpr const char* kRefusingQueue = "RegrovantisRefusing";
  static constexpr const char* kFailingQueue = "RegrovantisFailing";
  static constexpr const char* kFilterFailsQueue = "RegrovantisFilterFails";

  PrivateSpooler();
  ~PrivateSpooler();
  PrivateSpooler(const PrivateSpooler&) = delete;
  PrivateSpooler& operator=(const PrivateSpooler&) = delete;

  // Starts the scheduler and waits until it answers. False, with why(), when
  // it cannot start.
  bool start();
  QString why() const { return why_; }

  // "127.0.0.1:port".
  QString server() const;
  // The file a queue's device writes the last job into, and the file that
  // holds that job's title, copies and options, one a line.
  QString outputOf(const char* queue) const;
  QString jobArgumentsOf(const char* queue) const;
  QString deviceUriOf(const char* queue) const;

  // Waits until the queue's device has written a whole job.
  bool waitForOutput(const char* queue, int milliseconds) const;

  // The end of the scheduler's log, for failure messages.
  QString logTail() const;

  // Stops the scheduler: the print server goes away.
  void stop();

 private:
  bool writeConfiguration();

  QTemporaryDir folder_;
  QProcess scheduler_;
  int port_ = 0;
  QString why_;
};

}  // namespace rv::testing
