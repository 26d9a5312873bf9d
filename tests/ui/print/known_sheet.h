#pragma once

#include "sheet/document.h"
#include "support/pdf_words.h"

namespace rv::testing {

// The sheet the printouts to PDF and through the spooler print: three rows
// of Y and X1 under a title, saved as /data/fits/gas.rvd.
Document KnownSheet();

// Checks that text, read from a PDF of KnownSheet's data report at font
// size 12 in portrait, holds every text of the report where its layout puts
// it, on one Letter page.
void ExpectKnownSheetReport(const PdfText& text);

}  // namespace rv::testing
