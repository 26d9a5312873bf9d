#pragma once

#include <QString>
#include <functional>

#include "print/page_canvas.h"
#include "print/ui/printer_canvas.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

// A report drawn on a canvas, as the engine's Print…Report functions are:
//   [&](PageCanvas& canvas) { PrintDataReport(canvas, settings, document); }
using PrintReport = std::function<void(PageCanvas& canvas)>;

// The save dialog of "Print to PDF", starting at the suggested path.
QString AskPdfPath(QWidget* owner, const QString& suggestedPath);

// Where a job's outcome is told. sent: the status bar's text once a queue
// has taken the job ("Job 12 sent to Office"). A failure is told in a
// message over the owner.
struct PrintJobPlaces {
  QString lastPdfFolder;  // the folder offered first for a PDF file
  PdfPathChooser choosePdfPath = AskPdfPath;
  PdfFileWriter writePdf = WritePdfFile;
  std::function<void(const QString& text)> sent;
  // How long a job is followed on its queue after it was taken, to tell
  // of its abort.
  int watchMilliseconds = 60000;
};

// Prints the report on the queue its settings name, or into a PDF file
// whose name the places ask for (suggesting the report's own name in the
// last PDF folder, else the data folder). The pages are made at once; a
// queue is then handed the document off the user interface thread, and
// whatever becomes of it is told when it is known. Returns the PDF file
// written, empty when none was.
QString RunPrintJob(const PrintReport& report, const DocumentState& document, QWidget* owner,
                    const PrintJobPlaces& places = {});

// "Job 12 sent to Office".
QString JobSentText(int jobId, const QString& queue);

}  // namespace rv
