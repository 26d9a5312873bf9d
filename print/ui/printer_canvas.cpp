#include "print/ui/printer_canvas.h"

#include <QFile>
#include <QPdfWriter>
#include <span>

#include "base/print_settings.h"
#include "files/atomic_file.h"
#include "print/ui/print_failure_message.h"
#include "widgets/message_dialog.h"

namespace rv {

Outcome<void> WritePdfFile(const std::string& path, const QByteArray& pdf) {
  return WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<size_t>(pdf.size())));
}

QString PdfCreator() { return QStringLiteral("Regrovantis %1").arg(QStringLiteral(REGROVANTIS_VERSION)); }

PrinterCanvas::PrinterCanvas(const Paper& localePaper, QWidget* owner, Delivery delivery)
    : PaintedCanvas(localePaper), owner_(owner), delivery_(std::move(delivery)) {}

PrinterCanvas::~PrinterCanvas() {
  if (isOpen()) endJob();
}

QPagedPaintDevice* PrinterCanvas::openDevice(const PrintJobSetup& setup) {
  writtenPdfPath_.clear();
  pdfPath_.clear();
  if (setup.printer == kPrintToPdf) {
    const QString suggested = delivery_.suggestedPdfPath ? delivery_.suggestedPdfPath(setup.fileStem) : QString();
    pdfPath_ = delivery_.choosePdfPath ? delivery_.choosePdfPath(owner_, suggested) : QString();
    if (pdfPath_.isEmpty()) return nullptr;
  }
  document_.setData(QByteArray());
  if (!document_.open(QIODevice::WriteOnly)) {
    fail(pdfPath_.isEmpty() ? QString::fromStdString(setup.printer) : pdfPath_, document_.errorString());
    return nullptr;
  }
  writer_ = std::make_unique<QPdfWriter>(&document_);
  writer_->setTitle(QString::fromStdString(setup.title));
  writer_->setCreator(PdfCreator());
  return writer_.get();
}

void PrinterCanvas::paintingFailed(const PrintJobSetup&) {
  writer_.reset();
  document_.close();
  ShowMessage(QString::fromLatin1(kCannotStartDocumentMessage), owner_, MessageKind::Error);
}

void PrinterCanvas::closeDevice(const PrintJobSetup& setup, bool painted) {
  writer_.reset();
  document_.close();
  const QByteArray pdf = document_.data();
  document_.setData(QByteArray());
  const QString destination = pdfPath_.isEmpty() ? QString::fromStdString(setup.printer) : pdfPath_;
  if (!painted) {
    fail(destination, QStringLiteral("The pages could not be made."));
    return;
  }
  if (!pdfPath_.isEmpty()) {
    if (const Outcome<void> written = delivery_.writePdf(QFile::encodeName(pdfPath_).toStdString(), pdf); !written) {
      fail(destination, QString::fromStdString(written.message().text));
      return;
    }
    writtenPdfPath_ = pdfPath_;
    return;
  }
  if (delivery_.sendToQueue)
    delivery_.sendToQueue(
        {setup.printer, setup.title, pdf, setup.copies, std::string(paper().ippMedia), setup.sides, setup.quality});
}

void PrinterCanvas::fail(const QString& destination, const QString& reason) {
  ShowMessage(PrintFailureMessage(destination, reason), owner_, MessageKind::Error);
}

}  // namespace rv
