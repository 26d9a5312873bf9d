#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include "../../print/sample_documents.h"
#include "print/data_report.h"
#include "print/ui/print_dialog.h"
#include "print/ui/print_preview.h"
#include "print/ui/run_print_job.h"
#include "widgets/control_id.h"

namespace rv::testing {
namespace {

// A print server that takes the connection and never says a word: the
// kernel accepts into the backlog of a socket that nobody reads.
class SilentServer {
 public:
  SilentServer() {
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(socket_, 16) == 0 && ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
      qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(ntohs(address.sin_port)));
  }
  ~SilentServer() {
    qunsetenv("CUPS_SERVER");
    if (socket_ >= 0) ::close(socket_);
  }
  bool listening() const { return qEnvironmentVariableIsSet("CUPS_SERVER"); }

 private:
  int socket_ = -1;
};

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(PrintDialogTiming, APrintServerThatNeverAnswersLeavesTheWindowAnsweringAndPdfAndThePreviewWorking) {
  const SilentServer server;
  ASSERT_TRUE(server.listening());
  PrintSettings settings;
  settings.printer = "Office";
  PrintDialog dialog(PrintDialogKind::Data, settings, nullptr);
  PaintCounter counter;
  dialog.installEventFilter(&counter);
  dialog.show();

  // A paint asked for while the dialog looks for printers is done at once.
  QElapsedTimer clock;
  clock.start();
  counter.paints = 0;
  dialog.update();
  while (counter.paints == 0 && clock.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_GT(counter.paints, 0);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_FALSE(dialog.surveyed());
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kStatusId))->text(),
            QStringLiteral("Looking for printers\u2026"));

  // Print to PDF does not ask the print server.
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("quick.pdf"));
  PrintSettings pdf = Settings();
  pdf.printer = kPrintToPdf;
  const Document document = FilledDocument(40, 4);
  PrintJobPlaces places;
  places.choosePdfPath = [&](QWidget*, const QString&) { return path; };
  clock.restart();
  EXPECT_EQ(
      RunPrintJob([&](PageCanvas& canvas) { PrintDataReport(canvas, pdf, document); }, document.state, nullptr, places),
      path);
  EXPECT_LT(clock.elapsed(), 1000);

  // Nor does the preview.
  clock.restart();
  QTimer::singleShot(100, [] {
    if (QWidget* preview = QApplication::activeModalWidget()) preview->close();
  });
  ShowPrintPreview([&](PageCanvas& canvas) { PrintDataReport(canvas, pdf, document); }, nullptr);
  EXPECT_LT(clock.elapsed(), 1000);

  // The server's silence ends the search after its timeouts; the printer
  // in use stays chosen, marked as not responding, beside Print to PDF.
  clock.restart();
  const QDeadlineTimer deadline(15000);
  while (!dialog.surveyed() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_TRUE(dialog.surveyed());
  EXPECT_LT(clock.elapsed(), 3 * kPrintServerTimeoutMilliseconds);
  EXPECT_EQ(dialog.chosenSettings().printer, "Office");
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kStatusId))->text(),
            QStringLiteral("Not responding"));
}

}  // namespace
}  // namespace rv::testing
