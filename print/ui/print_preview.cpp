#include "print/ui/print_preview.h"

#include <cups/cups.h>

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/ui/locale_paper.h"
#include "print/ui/painted_canvas.h"
#include "print/ui/printer_canvas.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr QSize kPreviewSize(760, 900);

// The canvas on the preview's printer: what a report draws is recorded
// page by page and shown.
class PreviewCanvas : public PaintedCanvas {
 public:
  PreviewCanvas(QPrinter* printer, QWidget* owner) : PaintedCanvas(LocalePaper()), printer_(printer), owner_(owner) {}

 protected:
  QPagedPaintDevice* openDevice(const PrintJobSetup&) override { return printer_; }
  void paintingFailed(const PrintJobSetup&) override {
    ShowMessage(QString::fromLatin1(kCannotStartDocumentMessage), owner_, MessageKind::Error);
  }
  void closeDevice(const PrintJobSetup&, bool) override {}

 private:
  QPrinter* printer_;
  QWidget* owner_;
};

// Qt's printer asks the print server for its default printer when it is
// made, in this thread and without a time limit. The preview needs no
// printer, so while it shows, this thread's questions go to a server that
// is not there and fail at once; the print server itself is never waited on.
class NoPrintServer {
 public:
  NoPrintServer() { cupsSetServer("/nonexistent/regrovantis-preview-asks-no-print-server"); }
  ~NoPrintServer() { cupsSetServer(nullptr); }
  NoPrintServer(const NoPrintServer&) = delete;
  NoPrintServer& operator=(const NoPrintServer&) = delete;
};

}  // namespace

void ShowPrintPreview(const PrintReport& report, QWidget* owner) {
  const NoPrintServer noPrintServer;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setFullPage(true);
  QPrintPreviewDialog dialog(&printer, owner);
  dialog.setObjectName(QStringLiteral("PreviewDlg"));
  dialog.setWindowTitle(QStringLiteral("Print Preview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&report, owner](QPrinter* target) {
    PreviewCanvas canvas(target, owner);
    report(canvas);
  });
  // The preview only shows: printing and the paper are chosen in the print
  // dialog, and printing from here would go past the program's own writer.
  for (QAction* action : dialog.findChildren<QAction*>())
    if (action->text() == QLatin1String("Print") || action->text() == QLatin1String("Page setup"))
      action->setVisible(false);
  dialog.resize(kPreviewSize);
  dialog.exec();
}

}  // namespace rv
