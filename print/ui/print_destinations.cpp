#include "print/ui/print_destinations.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "base/print_settings.h"
#include "print/ui/background_task.h"

namespace rv {

const PrintQueue* QueueNamed(const QString& name, const PrintServerSurvey& survey) {
  const std::string wanted = name.toStdString();
  for (const PrintQueue& queue : survey.queues)
    if (queue.name == wanted) return &queue;
  return nullptr;
}

QFuture<PrintServerSurvey> SurveyPrintServerInBackground() {
  return RunInBackground<PrintServerSurvey>(&SurveyPrintServer);
}

QStringList PrinterChoices(const PrintServerSurvey& survey, const std::string& inUse) {
  QStringList choices;
  for (const PrintQueue& queue : survey.queues)
    if (queue.name != kPrintToPdf) choices.append(QString::fromStdString(queue.name));
  if (!survey.failure.empty() && !inUse.empty() && inUse != kPrintToPdf &&
      !choices.contains(QString::fromStdString(inUse)))
    choices.append(QString::fromStdString(inUse));
  choices.append(QLatin1String(kPrintToPdf));
  return choices;
}

QString DefaultPrinterChoice(const PrintServerSurvey& survey) {
  if (!survey.defaultQueue.empty() && QueueNamed(QString::fromStdString(survey.defaultQueue), survey))
    return QString::fromStdString(survey.defaultQueue);
  return QLatin1String(kPrintToPdf);
}

PrinterStatusFields StatusFieldsOfChoice(const QString& name, const PrintServerSurvey& survey) {
  if (name == QLatin1String(kPrintToPdf)) return PdfDestinationFields();
  const PrintQueue* queue = QueueNamed(name, survey);
  if (!queue && !survey.failure.empty()) return {kNotResponding, "", "", survey.failure};
  return StatusFieldsFor(queue ? std::optional<PrinterDescription>(queue->description) : std::nullopt);
}

std::string QueueMedia(const QString& name, const PrintServerSurvey& survey) {
  const PrintQueue* queue = QueueNamed(name, survey);
  return queue ? queue->mediaDefault : std::string();
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
