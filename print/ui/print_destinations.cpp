#include "print/ui/print_destinations.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinterInfo>

#include "print/print_settings.h"

namespace rv {

QStringList PrinterChoices() {
  QStringList choices = QPrinterInfo::availablePrinterNames();
  choices.removeAll(QLatin1String(kPrintToPdf));
  choices.append(QLatin1String(kPrintToPdf));
  return choices;
}

QString SystemDefaultPrinter() {
  const QString name = QPrinterInfo::defaultPrinterName();
  return name.isEmpty() ? QLatin1String(kPrintToPdf) : name;
}

QStringList PrintFontFaces() {
  QStringList faces;
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    if (!QFontDatabase::isSmoothlyScalable(family) || QFontDatabase::isPrivateFamily(family)) continue;
    // A family that several foundries make is listed once, by its face name.
    const qsizetype foundry = family.lastIndexOf(QLatin1String(" ["));
    const QString face = foundry > 0 && family.endsWith(QLatin1Char(']')) ? family.left(foundry) : family;
    if (!faces.contains(face)) faces.append(face);
  }
  for (const char* windowsFace : {"Arial", "Courier New", "Times New Roman"}) {
    const QString face = QLatin1String(windowsFace);
    if (faces.contains(face, Qt::CaseInsensitive)) continue;
    const QString standIn = QFontInfo(QFont(face)).family();
    if (faces.contains(standIn, Qt::CaseInsensitive)) faces.append(face);
  }
  return faces;
}

}  // namespace rv
