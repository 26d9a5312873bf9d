#pragma once

#include <QString>
#include <QStringList>

namespace rv {

// Every printer the print system offers, and "Print to PDF", which is
// always there.
QStringList PrinterChoices();

// The print system's default printer, or "Print to PDF" when it has none.
QString SystemDefaultPrinter();

// The faces a printout can use: every scalable font family installed, and
// "Arial", "Courier New" and "Times New Roman" when fontconfig stands an
// installed face in for them.
QStringList PrintFontFaces();

}  // namespace rv
