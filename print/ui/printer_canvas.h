#pragma once

#include <QBuffer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "base/outcome.h"
#include "print/ui/painted_canvas.h"
#include "print/ui/print_server.h"

class QPdfWriter;
class QWidget;

namespace rv {

// Asks where "Print to PDF" writes, starting from the suggested path; an
// empty answer cancels the job.
using PdfPathChooser = std::function<QString(QWidget* owner, const QString& suggestedPath)>;

// Writes a finished PDF document to its path; the message is the reason
// when it could not.
using PdfFileWriter = std::function<Outcome<void>(const std::string& path, const QByteArray& pdf)>;

// Hands a finished document to a queue of the print server.
using QueueJobSender = std::function<void(QueueJob job)>;

inline constexpr const char* kCannotStartDocumentMessage = "Can not start document\non device queue.";

// The PDF file writer of the program: the whole document or, when anything
// fails, the file as it was before.
Outcome<void> WritePdfFile(const std::string& path, const QByteArray& pdf);

// "Regrovantis 1.0.0": who made a PDF.
QString PdfCreator();

// The page canvas of a printout to a queue of the print server or into a
// PDF file. The pages are made as a PDF document in memory, titled with
// the report and made by the program; when the job ends, the document is
// written to the file the user named, or handed to the queue.
class PrinterCanvas : public PaintedCanvas {
 public:
  struct Delivery {
    // The path offered for a PDF file of the given name stem.
    std::function<QString(const std::string& fileStem)> suggestedPdfPath;
    PdfPathChooser choosePdfPath;
    PdfFileWriter writePdf = WritePdfFile;
    QueueJobSender sendToQueue;
  };

  PrinterCanvas(const Paper& localePaper, QWidget* owner, Delivery delivery);
  ~PrinterCanvas() override;

  // Whether anything created for a job is still held: after a job ends, or
  // fails to start, nothing is.
  bool holdsJob() const { return writer_ != nullptr || isOpen(); }
  // The PDF file the last job was written to; empty when it went to a
  // queue or was not written.
  const QString& writtenPdfPath() const { return writtenPdfPath_; }

 protected:
  QPagedPaintDevice* openDevice(const PrintJobSetup& setup) override;
  void paintingFailed(const PrintJobSetup& setup) override;
  void closeDevice(const PrintJobSetup& setup, bool painted) override;

 private:
  void fail(const QString& destination, const QString& reason);

  QWidget* owner_;
  Delivery delivery_;
  QString pdfPath_;  // the file chosen for the job, empty for a queue
  QBuffer document_;
  std::unique_ptr<QPdfWriter> writer_;
  QString writtenPdfPath_;
};

}  // namespace rv
