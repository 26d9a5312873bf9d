#pragma once

#include <QFuture>
#include <QString>
#include <QStringList>

#include "print/printer_status.h"
#include "print/ui/print_server.h"

namespace rv {

// Asks the print server for its queues on a thread of its own.
QFuture<PrintServerSurvey> SurveyPrintServerInBackground();

// The status of a queue the print server could not be asked about.
inline constexpr const char* kNotResponding = "Not responding";

// Every queue the print server offers, and "Print to PDF", which is always
// there. When the server did not answer, the queue in use stays offered
// (its status says it is not responding) rather than vanishing.
QStringList PrinterChoices(const PrintServerSurvey& survey, const std::string& inUse = {});

// The print server's default queue, or "Print to PDF" when it has none.
QString DefaultPrinterChoice(const PrintServerSurvey& survey);

// The queue of that name in the survey, nullptr when there is none.
const PrintQueue* QueueNamed(const QString& name, const PrintServerSurvey& survey);

// The print dialog's status fields for a choice of its printer list, as
// the survey found the queue; "Not responding" with the server's failure
// when it did not answer.
PrinterStatusFields StatusFieldsOfChoice(const QString& name, const PrintServerSurvey& survey);

// The paper a queue is set to, as the server names it; empty for "Print to
// PDF" and a queue that names none.
std::string QueueMedia(const QString& name, const PrintServerSurvey& survey);

// The faces a printout can use: every scalable font family installed, and
// "Arial", "Courier New" and "Times New Roman" when fontconfig stands an
// installed face in for them.
QStringList PrintFontFaces();

}  // namespace rv
