#include "print/ui/run_print_job.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "print/pdf_file_name.h"

namespace rv {

namespace {

// The wait cursor while the pages are made and handed to the print system.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

QString AskPdfPath(QWidget* owner, const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(owner, QStringLiteral("Print to PDF"), suggestedPath,
                                      QStringLiteral("PDF Files (*.pdf)"));
}

void RunPrintJob(const PrintReport& report, const DocumentState& document, PrinterProperties& properties,
                 QWidget* owner, PdfPathChooser choosePdfPath) {
  const std::string programFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  const QString suggested = QFile::decodeName(DefaultPdfPath(document, programFolder).c_str());
  PrinterCanvas canvas(properties, owner, suggested, std::move(choosePdfPath));
  const WaitCursor wait;
  report(canvas);
}

}  // namespace rv
