#pragma once

#include <QString>
#include <optional>

#include "print/printer_status.h"

namespace rv {

// What the print system tells about the printer now: its state and state
// reasons, make and model, device and description. Read through libcups,
// since Qt's printer information has neither the state reasons nor the
// device. Nothing when the printer cannot be read.
std::optional<PrinterDescription> ReadPrinterDescription(const QString& name);

// The print dialog's status fields for a choice of its printer list.
PrinterStatusFields StatusFieldsOfChoice(const QString& name);

}  // namespace rv
