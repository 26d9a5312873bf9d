#include "print/ui/run_print_job.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "print/pdf_file_name.h"
#include "print/ui/background_task.h"
#include "print/ui/locale_paper.h"
#include "print/ui/print_failure_message.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr int kJobPollMilliseconds = 1000;
// A server that has not answered three times in a row has gone away.
constexpr int kUnansweredPolls = 3;
constexpr const char* kServerGoneMessage = "The print server stopped answering before the job was printed.";

// The wait cursor while the pages are made.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs work off the user interface thread and then done with its result
// on it. What a job's owner should hear outlives the owner (a dialog may
// close meanwhile): the application is the context, the owner a guarded
// parent of the message.
template <typename Result>
void WhenDone(QObject* context, std::function<Result()> work, std::function<void(const Result&)> done) {
  auto* watcher = new QFutureWatcher<Result>(context);
  QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done] {
    done(watcher->result());
    watcher->deleteLater();
  });
  watcher->setFuture(RunInBackground<Result>(std::move(work)));
}

void TellFailure(QWidget* owner, const QString& queue, const std::string& why) {
  ShowMessage(PrintFailureMessage(queue, QString::fromStdString(why)), owner, MessageKind::Error);
}

// Asks after the job every second, each time off the user interface
// thread, until it has ended or the polls are used up. An abort is told,
// and so is a server that stops answering before the job has ended.
void FollowJob(const QPointer<QWidget>& owner, const QString& queue, int jobId, int pollsLeft, int unanswered) {
  QObject* application = QCoreApplication::instance();
  WhenDone<QueueJobState>(
      application, [name = queue.toStdString(), jobId] { return ReadQueueJobState(name, jobId); },
      [owner, queue, jobId, pollsLeft, unanswered, application](const QueueJobState& state) {
        const std::string job = QStringLiteral("Job %1: ").arg(jobId).toStdString();
        if (state.failed) TellFailure(owner, queue, job + state.failure);
        const int silent = state.answered ? 0 : unanswered + 1;
        if (silent == kUnansweredPolls) TellFailure(owner, queue, job + kServerGoneMessage);
        if (state.ended || silent == kUnansweredPolls || pollsLeft <= 1) return;
        QTimer::singleShot(kJobPollMilliseconds, application, [owner, queue, jobId, pollsLeft, silent] {
          FollowJob(owner, queue, jobId, pollsLeft - 1, silent);
        });
      });
}

// Hands the job to its queue, then follows it.
void SendToQueue(QueueJob job, QWidget* owner, const PrintJobPlaces& places) {
  const QString queue = QString::fromStdString(job.queue);
  const QPointer<QWidget> guardedOwner(owner);
  const auto sent = places.sent;
  const int polls = std::max(1, places.watchMilliseconds / kJobPollMilliseconds);
  WhenDone<Outcome<int>>(
      QCoreApplication::instance(), [job = std::move(job)] { return SubmitQueueJob(job); },
      [guardedOwner, queue, sent, polls](const Outcome<int>& jobId) {
        if (!jobId) {
          TellFailure(guardedOwner, queue, jobId.message().text);
          return;
        }
        if (sent) sent(JobSentText(*jobId, queue));
        FollowJob(guardedOwner, queue, *jobId, polls, 0);
      });
}

}  // namespace

QString AskPdfPath(QWidget* owner, const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(owner, QStringLiteral("Print to PDF"), suggestedPath,
                                      QStringLiteral("PDF Files (*.pdf)"));
}

QString JobSentText(int jobId, const QString& queue) {
  return QStringLiteral("Job %1 sent to %2").arg(jobId).arg(queue);
}

QString RunPrintJob(const PrintReport& report, const DocumentState& document, QWidget* owner,
                    const PrintJobPlaces& places) {
  const std::string programFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  const std::string lastFolder = QFile::encodeName(places.lastPdfFolder).toStdString();
  PrinterCanvas::Delivery delivery;
  delivery.suggestedPdfPath = [&](const std::string& stem) {
    return QFile::decodeName(DefaultPdfPath(stem, lastFolder, document, programFolder).c_str());
  };
  delivery.choosePdfPath = places.choosePdfPath;
  delivery.writePdf = places.writePdf;
  delivery.sendToQueue = [owner, &places](QueueJob job) { SendToQueue(std::move(job), owner, places); };
  PrinterCanvas canvas(LocalePaper(), owner, std::move(delivery));
  {
    const WaitCursor wait;
    report(canvas);
  }
  return canvas.writtenPdfPath();
}

}  // namespace rv
