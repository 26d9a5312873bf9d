#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include "known_sheet.h"
#include "print/data_report.h"
#include "print/ui/print_destinations.h"
#include "print/ui/print_dialog.h"
#include "print/ui/run_print_job.h"
#include "private_spooler.h"
#include "support/modal_answers.h"
#include "support/pdf_words.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// Printing through a real print system: a scheduler of the test's own, whose
// queues write what they receive into files.
class SpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!spooler.start()) GTEST_SKIP() << "the private CUPS scheduler cannot start: " << spooler.why().toStdString();
  }

  // Prints the known sheet's data report on the queue; the status bar's
  // text goes to sent. The job is followed for watch milliseconds: a
  // test's jobs must not be followed on into the next test's server.
  void print(const char* queue, int copies = 1, int watch = 20000) {
    PrintSettings settings;
    settings.printer = queue;
    settings.copies = copies;
    settings.sides = "two-sided-long-edge";
    settings.quality = 5;
    PrintJobPlaces places;
    places.sent = [this](const QString& text) { sent << text; };
    places.watchMilliseconds = watch;
    RunPrintJob([&](PageCanvas& canvas) { PrintDataReport(canvas, settings, document); }, document.state, nullptr,
                places);
  }

  // Lets the answers of the print server in until done says so.
  static bool WaitFor(const std::function<bool()>& done, int milliseconds = 30000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
  }

  PrivateSpooler spooler;
  const Document document = KnownSheet();
  QStringList sent;
};

TEST_F(SpoolerTest, TheDataReportReachesTheQueuesDeviceAsTheLayoutPutsItAndTheJobIsNamed) {
  print(PrivateSpooler::kIdleQueue, 2, 1000);
  ASSERT_TRUE(spooler.waitForOutput(PrivateSpooler::kIdleQueue, 30000)) << spooler.logTail().toStdString();

  // The queue is raw: its device receives the job as the program made it.
  QFile output(spooler.outputOf(PrivateSpooler::kIdleQueue));
  ASSERT_TRUE(output.open(QIODevice::ReadOnly));
  EXPECT_TRUE(output.read(5) == "%PDF-");
  ExpectKnownSheetReport(ReadPdfText(output.fileName()));

  // The job's title, copies and the options of the printer's Properties as
  // the device got them.
  QFile arguments(spooler.jobArgumentsOf(PrivateSpooler::kIdleQueue));
  ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = arguments.readAll().split('\n');
  ASSERT_GE(lines.size(), 3);
  // The job's name says the report and the sheet.
  EXPECT_TRUE(lines[0].startsWith("Data \xE2\x80\x94 ")) << lines[0].toStdString();
  EXPECT_EQ(lines[1], "2");
  EXPECT_TRUE(lines[2].contains("sides=two-sided-long-edge")) << lines[2].toStdString();
  EXPECT_TRUE(lines[2].contains("print-quality=5")) << lines[2].toStdString();

  // The status bar names the job's number.
  ASSERT_TRUE(WaitFor([&] { return !sent.isEmpty(); }));
  EXPECT_TRUE(sent[0].startsWith(QStringLiteral("Job "))) << sent[0].toStdString();
  EXPECT_TRUE(sent[0].endsWith(QStringLiteral(" sent to RegrovantisSpool"))) << sent[0].toStdString();
}

TEST_F(SpoolerTest, TheQueuesAreOfferedWithTheirStatusTypeDeviceAndComment) {
  const PrintServerSurvey survey = SurveyPrintServer();
  ASSERT_TRUE(survey.failure.empty()) << survey.failure;
  const QStringList printers = PrinterChoices(survey);
  EXPECT_TRUE(printers.contains(QLatin1String(PrivateSpooler::kIdleQueue)));
  EXPECT_TRUE(printers.contains(QLatin1String(PrivateSpooler::kStoppedQueue)));
  EXPECT_TRUE(printers.contains(QStringLiteral("Print to PDF")));
  EXPECT_EQ(DefaultPrinterChoice(survey), QLatin1String(PrivateSpooler::kIdleQueue));

  EXPECT_EQ(StatusFieldsOfChoice(QLatin1String(PrivateSpooler::kIdleQueue), survey),
            (PrinterStatusFields{"Idle", "Local Raw Printer",
                                 spooler.deviceUriOf(PrivateSpooler::kIdleQueue).toStdString(), "Known sheet queue"}));
  EXPECT_EQ(StatusFieldsOfChoice(QLatin1String(PrivateSpooler::kStoppedQueue), survey).status, "Paused");
  // Idle, but it refuses jobs.
  EXPECT_EQ(StatusFieldsOfChoice(QLatin1String(PrivateSpooler::kRefusingQueue), survey).status, "Not Available");
  EXPECT_EQ(StatusFieldsOfChoice(QStringLiteral("RegrovantisNoSuchQueue"), survey), PrinterStatusFields{});

  // The dialog shows them for the printer selected, once the server has answered.
  PrintSettings settings;
  settings.printer = PrivateSpooler::kStoppedQueue;
  PrintDialog dialog(PrintDialogKind::Data, settings, nullptr);
  ASSERT_TRUE(WaitFor([&] { return dialog.surveyed(); }));
  const auto status = [&] { return qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kStatusId))->text(); };
  EXPECT_EQ(status(), QStringLiteral("Paused"));
  auto* list = qobject_cast<QListWidget*>(FindControl(&dialog, PrintDialog::kPrinterListId));
  list->setCurrentItem(list->findItems(QLatin1String(PrivateSpooler::kIdleQueue), Qt::MatchExactly).value(0));
  EXPECT_EQ(status(), QStringLiteral("Idle"));
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kCommentId))->text(),
            QStringLiteral("Known sheet queue"));
}

// A queue that refuses the job, a job its device fails, a server that goes
// away while it holds a job and one that has gone: each is told in a
// message naming the queue, and nothing is said to be sent that was not.
TEST_F(SpoolerTest, EveryWayAJobFailsIsToldWithTheQueueAndTheReason) {
  ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerOk).answer(kAnswerOk);

  print(PrivateSpooler::kRefusingQueue);
  ASSERT_TRUE(WaitFor([&] { return answers.messageTexts().size() == 1; })) << spooler.logTail().toStdString();
  EXPECT_TRUE(answers.messageTexts()[0].startsWith(QStringLiteral("Can not print to RegrovantisRefusing:\n")))
      << answers.messageTexts()[0].toStdString();
  EXPECT_TRUE(sent.isEmpty());

  print(PrivateSpooler::kFailingQueue);
  ASSERT_TRUE(WaitFor([&] { return answers.messageTexts().size() == 2; })) << spooler.logTail().toStdString();
  EXPECT_TRUE(answers.messageTexts()[1].startsWith(QStringLiteral("Can not print to RegrovantisFailing:\nJob ")))
      << answers.messageTexts()[1].toStdString();
  EXPECT_EQ(sent.size(), 1);  // taken, then aborted

  // The stopped queue holds its job; the server goes away meanwhile.
  answers.answer(kAnswerOk);
  print(PrivateSpooler::kStoppedQueue);
  ASSERT_TRUE(WaitFor([&] { return sent.size() == 2; }));
  const QByteArray gone = spooler.server().toLatin1();
  spooler.stop();
  qputenv("CUPS_SERVER", gone);
  ASSERT_TRUE(WaitFor([&] { return answers.messageTexts().size() == 3; }));
  EXPECT_TRUE(answers.messageTexts()[2].startsWith(QStringLiteral("Can not print to RegrovantisStopped:\nJob ")))
      << answers.messageTexts()[2].toStdString();

  // A job for a server that is gone is not sent.
  print(PrivateSpooler::kIdleQueue);
  ASSERT_TRUE(WaitFor([&] { return answers.messageTexts().size() == 4; }));
  qunsetenv("CUPS_SERVER");
  EXPECT_TRUE(answers.messageTexts()[3].startsWith(QStringLiteral("Can not print to RegrovantisSpool:\n")))
      << answers.messageTexts()[3].toStdString();
  EXPECT_EQ(sent.size(), 2);
  EXPECT_EQ(answers.pending(), 0);
}

// A job whose filter fails is stopped by the scheduler, not printed: the
// message names the queue, the job and the reason the server gives.
TEST_F(SpoolerTest, AJobTheServerStopsIsToldWithItsReason) {
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  print(PrivateSpooler::kFilterFailsQueue);
  ASSERT_TRUE(WaitFor([&] { return answers.messageTexts().size() == 1; })) << spooler.logTail().toStdString();
  const QString message = answers.messageTexts()[0];
  EXPECT_TRUE(message.startsWith(QStringLiteral("Can not print to RegrovantisFilterFails:\nJob ")))
      << message.toStdString();
  // The filter's own words, or the scheduler's "Filter failed".
  EXPECT_TRUE(message.contains(QStringLiteral("filter"), Qt::CaseInsensitive)) << message.toStdString();
  EXPECT_EQ(sent.size(), 1);  // taken, then stopped
  // The device got nothing of the document, as a printer with a failed
  // filter prints a blank page at most.
  EXPECT_EQ(QFileInfo(spooler.outputOf(PrivateSpooler::kFilterFailsQueue)).size(), 0) << message.toStdString();
}

}  // namespace
}  // namespace rv::testing
