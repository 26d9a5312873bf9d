#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "print/printer_status.h"

namespace rv {

// Every request to the print server waits at most this long for its
// answer, connecting included; a server that does not answer in time is
// treated as one that is not there.
inline constexpr int kPrintServerTimeoutMilliseconds = 2000;

// A queue of the print server as the print dialog shows it.
struct PrintQueue {
  std::string name;
  PrinterDescription description;
  std::string mediaDefault;                 // the paper it is set to, as the server names it ("iso_a4_210x297mm")
  std::vector<std::string> sidesSupported;  // its two-sided printing keywords
  std::vector<int> qualitiesSupported;      // its print qualities, 3 draft, 4 normal, 5 high
};

// The queues of the print server and its default one. These calls block for
// up to the timeout of each request they make: run them off the user
// interface thread.
// It stays a survey rather than an outcome: a server that could not be
// asked still leaves the printer in use to list and the failure to show in
// its status fields.
struct PrintServerSurvey {
  std::vector<PrintQueue> queues;
  std::string defaultQueue;  // empty when the server has none
  std::string failure;       // why the server could not be asked; empty when it answered
};

PrintServerSurvey SurveyPrintServer();

// A PDF document for a queue, with the options the job asks for.
struct QueueJob {
  std::string queue;
  std::string name;  // the job's name at the server
  QByteArray pdf;
  int copies = 1;
  std::string media;  // the paper, as the server names it; empty leaves the queue's
  std::string sides;  // two-sided printing; empty leaves the queue's
  int quality = 0;    // print quality; 0 leaves the queue's
};

// What the server did with a job: its number, or why it was not taken.
Outcome<int> SubmitQueueJob(const QueueJob& job);

// What has become of a job the server took: whether the server answered,
// whether the job has ended (printed, stopped, aborted, cancelled, or gone
// from the server) and, when it was stopped, aborted or cancelled, why, as
// the server says it. One request, as the others. More than an outcome: a
// server that does not answer is asked again, and a job that has not ended
// is no failure.
struct QueueJobState {
  bool answered = false;
  bool ended = false;
  bool failed = false;
  std::string failure;
};

QueueJobState ReadQueueJobState(const std::string& queue, int jobId);

}  // namespace rv
