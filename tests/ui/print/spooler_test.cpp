#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QLabel>

#include "known_sheet.h"
#include "support/pdf_words.h"
#include "print/data_report.h"
#include "print/ui/cups_printer.h"
#include "print/ui/print_destinations.h"
#include "print/ui/print_dialog.h"
#include "print/ui/printer_properties.h"
#include "print/ui/run_print_job.h"
#include "private_spooler.h"
#include "widgets/control_id.h"

namespace rv::testing {
namespace {

// Printing through a real print system: a scheduler of the test's own, whose
// queues write what they receive into files.
class SpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!spooler.start()) GTEST_SKIP() << "the private CUPS scheduler cannot start: " << spooler.why().toStdString();
  }

  PrivateSpooler spooler;
  PrinterProperties properties;
};

TEST_F(SpoolerTest, TheDataReportReachesTheQueuesDeviceAsTheLayoutPutsIt) {
  const Document document = KnownSheet();
  PrintSettings settings;
  settings.printer = PrivateSpooler::kIdleQueue;
  settings.copies = 2;
  RunPrintJob([&](PageCanvas& canvas) { PrintDataReport(canvas, settings, document); }, document.state, properties,
              nullptr, {});
  ASSERT_TRUE(spooler.waitForOutput(PrivateSpooler::kIdleQueue, 30000)) << spooler.logTail().toStdString();

  // The queue is raw: its device receives the job as the program made it.
  QFile output(spooler.outputOf(PrivateSpooler::kIdleQueue));
  ASSERT_TRUE(output.open(QIODevice::ReadOnly));
  EXPECT_TRUE(output.read(5) == "%PDF-");
  ExpectKnownSheetReport(ReadPdfText(output.fileName()));

  // The job's title and copies as the device got them.
  QFile arguments(spooler.jobArgumentsOf(PrivateSpooler::kIdleQueue));
  ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
  EXPECT_EQ(arguments.readAll(), QByteArray("Regrovantis Report\n2\n"));
}

TEST_F(SpoolerTest, TheQueuesAreOfferedWithTheirStatusTypeDeviceAndComment) {
  const QStringList printers = PrinterChoices();
  EXPECT_TRUE(printers.contains(QLatin1String(PrivateSpooler::kIdleQueue)));
  EXPECT_TRUE(printers.contains(QLatin1String(PrivateSpooler::kStoppedQueue)));
  EXPECT_TRUE(printers.contains(QStringLiteral("Print to PDF")));
  EXPECT_EQ(SystemDefaultPrinter(), QLatin1String(PrivateSpooler::kIdleQueue));

  EXPECT_EQ(StatusFieldsOfChoice(QLatin1String(PrivateSpooler::kIdleQueue)),
            (PrinterStatusFields{"Idle", "Local Raw Printer",
                                 spooler.deviceUriOf(PrivateSpooler::kIdleQueue).toStdString(), "Known sheet queue"}));
  EXPECT_EQ(StatusFieldsOfChoice(QLatin1String(PrivateSpooler::kStoppedQueue)).status, "Paused");
  EXPECT_EQ(StatusFieldsOfChoice(QStringLiteral("RegrovantisNoSuchQueue")), PrinterStatusFields{});

  // The dialog shows them for the printer selected.
  PrintSettings settings;
  settings.printer = PrivateSpooler::kStoppedQueue;
  PrintDialog dialog(PrintDialogKind::Data, settings, properties, nullptr);
  const auto status = [&] { return qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kStatusId))->text(); };
  EXPECT_EQ(status(), QStringLiteral("Paused"));
  auto* list = qobject_cast<QListWidget*>(FindControl(&dialog, PrintDialog::kPrinterListId));
  list->setCurrentItem(list->findItems(QLatin1String(PrivateSpooler::kIdleQueue), Qt::MatchExactly).value(0));
  EXPECT_EQ(status(), QStringLiteral("Idle"));
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&dialog, PrintDialog::kCommentId))->text(),
            QStringLiteral("Known sheet queue"));
}

}  // namespace
}  // namespace rv::testing
