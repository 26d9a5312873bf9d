#pragma once

#include <string>

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "print/page_geometry.h"
#include "print/pdf_file_name.h"
#include "sheet/document.h"

namespace rv {

// One printout from its beginning to its end: the canvas it draws on, what
// the device is opened with, the geometry of the page, the data file's path
// for the footer and the page number the footer prints.
struct PrintJob {
  PageCanvas& canvas;
  PrintJobSetup setup;
  PageGeometry geometry;
  std::string footerPath;  // empty when the data sheet has no file name
  int pageCounter = 0;
};

// A job printing the report with the settings, for the document.
PrintJob MakePrintJob(PageCanvas& canvas, const PrintSettings& settings, const DocumentState& document,
                      const ReportName& report);

// Every report runs BeginPrintJob, then StartPrintPage … EndPrintPage for
// each page, then EndPrintJob. When BeginPrintJob fails the report prints
// nothing and calls none of the others. Once begun, the job's geometry is
// that of the page the canvas prints on.
bool BeginPrintJob(PrintJob& job);
void StartPrintPage(PrintJob& job);
// The footer (the data file's path at the left, the page counter at the
// right), then the end of the page.
void EndPrintPage(PrintJob& job);
void EndPrintJob(PrintJob& job);

}  // namespace rv
