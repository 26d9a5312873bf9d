#pragma once

#include "print/ui/run_print_job.h"

class QWidget;

namespace rv {

// Qt's print preview of the report over owner: the pages exactly as they
// will print, on the paper the job would take, with page navigation and
// zoom. Nothing is printed from it.
void ShowPrintPreview(const PrintReport& report, QWidget* owner);

}  // namespace rv
