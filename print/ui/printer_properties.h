#pragma once

#include <QString>
#include <map>
#include <memory>

class QPrinter;
class QWidget;

namespace rv {

// The printers' own options (paper source, duplex, colour, resolution …)
// as the user set them in the printer's properties, one printer object per
// printer name, kept for the jobs that follow. The print job still sets
// orientation, paper size, copies and document name itself.
class PrinterProperties {
 public:
  PrinterProperties();
  ~PrinterProperties();
  PrinterProperties(const PrinterProperties&) = delete;
  PrinterProperties& operator=(const PrinterProperties&) = delete;

  // The printer kept for name, or nullptr when its properties were never set.
  QPrinter* keptPrinter(const QString& name) const;

  // Shows the printer's options in Qt's print dialog over owner; what the
  // user accepts is kept for name. False when the dialog was cancelled.
  bool edit(const QString& name, QWidget* owner);

 private:
  std::map<QString, std::unique_ptr<QPrinter>> printers_;
};

// A printer object for name at high resolution: a queue of the print
// system, or a PDF writer for "Print to PDF".
std::unique_ptr<QPrinter> NewPrinter(const QString& name);

}  // namespace rv
