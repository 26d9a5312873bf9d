#include "print/ui/cups_printer.h"

#include <cups/cups.h>

#include <cstdlib>

#include "print/print_settings.h"

namespace rv {

namespace {

std::string Option(const cups_dest_t* dest, const char* name) {
  const char* value = cupsGetOption(name, dest->num_options, dest->options);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::optional<PrinterDescription> ReadPrinterDescription(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  const QByteArray queue = name.toUtf8();
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
  if (!dest) return std::nullopt;
  PrinterDescription printer;
  const std::string state = Option(dest, "printer-state");
  printer.state = state.empty() ? kQueueIdle : std::atoi(state.c_str());
  printer.stateReasons = SplitStateReasons(Option(dest, "printer-state-reasons"));
  printer.makeAndModel = Option(dest, "printer-make-and-model");
  printer.deviceUri = Option(dest, "device-uri");
  printer.info = Option(dest, "printer-info");
  cupsFreeDests(1, dest);
  return printer;
}

PrinterStatusFields StatusFieldsOfChoice(const QString& name) {
  if (name == QLatin1String(kPrintToPdf)) return PdfDestinationFields();
  return StatusFieldsFor(ReadPrinterDescription(name));
}

}  // namespace rv
