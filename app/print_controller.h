#pragma once

#include <QPointer>
#include <QString>
#include <utility>

#include "base/print_settings.h"
#include "print/printout.h"
#include "print/ui/print_server.h"
#include "print/ui/run_print_job.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

enum class PrintDialogKind;
struct Settings;
class StatusBar;

// Printing: the print dialogs and the jobs, and what one printout leaves for
// the next: the settings chosen last (of which the paper is kept in the
// settings file), the folder the last PDF went to, and the print server's
// queues as the statistics dialog last found them. It reads the document
// and never changes it.
class PrintController {
 public:
  // Dialogs and failures are shown over window; a job a queue took is told
  // in the status bar.
  PrintController(const Document& document, StatusBar* status, QWidget* window);

  // The print dialog of the kind, whose Preview shows the printout with the
  // settings of the dialog; on Print the printout with the settings chosen,
  // which are kept for the next one.
  void printWithDialog(PrintDialogKind kind, const Printout& printout);
  void printData();
  // The statistics dialog's Print page: its settings are kept too. Failures
  // are told over the dialog.
  void printStatisticsPage(const PrintSettings& settings, const Printout& printout, QWidget* dialog);
  // The preview of the printout with the settings over the dialog; the
  // settings are not kept.
  void previewPrintout(const PrintSettings& settings, const Printout& printout, QWidget* over);

  const PrintSettings& settings() const { return settings_; }
  const PrintServerSurvey& serverSurvey() const { return serverSurvey_; }
  void setServerSurvey(PrintServerSurvey survey) { serverSurvey_ = std::move(survey); }

  void readSettings(const Settings& settings);
  void writeSettings(Settings& settings) const;

 private:
  // A job that cannot start or fails tells the user over owner; one a queue
  // took is told in the status bar.
  void runPrintJob(const PrintReport& report, QWidget* owner);

  const Document& document_;
  QPointer<StatusBar> status_;
  QWidget* window_;
  PrintSettings settings_;
  QString lastPdfFolder_;
  PrintServerSurvey serverSurvey_;
};

}  // namespace rv
