#pragma once

#include <functional>

#include "print/page_canvas.h"
#include "print/ui/printer_canvas.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

class PrinterProperties;

// A report drawn on a canvas, as the engine's Print…Report functions are:
//   [&](PageCanvas& canvas) { PrintDataReport(canvas, settings, document); }
using PrintReport = std::function<void(PageCanvas& canvas)>;

// The save dialog of "Print to PDF", starting at the suggested path.
QString AskPdfPath(QWidget* owner, const QString& suggestedPath);

// Prints the report on the printer the report's settings name, or into a
// PDF file whose name choosePdfPath asks for (suggesting the data file's
// name with ".pdf" in the data folder). Runs to its end before it returns;
// a job that cannot start tells the user over owner and prints nothing.
void RunPrintJob(const PrintReport& report, const DocumentState& document, PrinterProperties& properties,
                 QWidget* owner, PdfPathChooser choosePdfPath = AskPdfPath);

}  // namespace rv
