#include "print/ui/printer_properties.h"

#include <QPrintDialog>
#include <QPrinter>

#include "print/print_settings.h"

namespace rv {

PrinterProperties::PrinterProperties() = default;
PrinterProperties::~PrinterProperties() = default;

QPrinter* PrinterProperties::keptPrinter(const QString& name) const {
  const auto kept = printers_.find(name);
  return kept == printers_.end() ? nullptr : kept->second.get();
}

bool PrinterProperties::edit(const QString& name, QWidget* owner) {
  std::unique_ptr<QPrinter> fresh;
  QPrinter* printer = keptPrinter(name);
  if (!printer) {
    fresh = NewPrinter(name);
    printer = fresh.get();
  }
  QPrintDialog dialog(printer, owner);
  dialog.setWindowTitle(QStringLiteral("Properties - %1").arg(name));
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (fresh) printers_[name] = std::move(fresh);
  return true;
}

std::unique_ptr<QPrinter> NewPrinter(const QString& name) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (name == QLatin1String(kPrintToPdf))
    printer->setOutputFormat(QPrinter::PdfFormat);
  else
    printer->setPrinterName(name);
  return printer;
}

}  // namespace rv
