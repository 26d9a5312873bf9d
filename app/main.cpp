#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSessionManager>
#include <clocale>
#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "app/termination_signals.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "widgets/help.h"
#include "widgets/program_fonts.h"

namespace {

// The first argument names a data file to open; one that is not an existing
// file is ignored. The name opens whatever its first character: a rule that
// it begin with a quotation mark or a capital letter only made sense for
// drive letters, and would refuse the lower-case paths usual here.
std::optional<std::string> CommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2 || !QFileInfo(arguments[1]).isFile()) return std::nullopt;
  return QFile::encodeName(arguments[1]).toStdString();
}

// The help file lies beside the program in the build folder and in the
// program's data folder of an installation, which lies at a fixed place
// relative to the program's own folder. When neither holds it, the one beside
// the program is the one the message about a missing help file means.
QString HelpFileOfProgram(const QString& programFolder) {
  const QString name = QString::fromLatin1(rv::kHelpFileName);
  const QString beside = programFolder + QLatin1Char('/') + name;
  const QString installed =
      QDir::cleanPath(programFolder + QStringLiteral("/" REGROVANTIS_INSTALLED_HELP_FOLDER "/") + name);
  return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

// Every window of the program: the first, and those opened for kept sheets.
std::vector<rv::MainWindow*> ProgramWindows() {
  std::vector<rv::MainWindow*> windows;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<rv::MainWindow*>(top)) windows.push_back(window);
  return windows;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // QApplication takes the user's locale; numbers in cells, files and copies
  // are always written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Regrovantis"));
  // Names the installed desktop entry, whose icon a desktop shows for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("regrovantis"));
  QApplication::setFont(rv::DialogFont());
  QApplication::setQuitOnLastWindowClosed(true);

  const QString programFolder = QCoreApplication::applicationDirPath();
  rv::StartUpOptions options;
  options.settingsPath = rv::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  options.helpFilePath = HelpFileOfProgram(programFolder);
  // File › Open starts in the user's home folder until a file is opened or
  // saved, not among the program's own files.
  options.firstDataFolder = QFile::encodeName(QDir::homePath()).toStdString();
  options.commandLineFile = CommandLineFile(QCoreApplication::arguments());
  options.recoveryFolder = rv::RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));

  rv::MainWindow window(std::move(options));
  // The session's end, a kill or Ctrl+C in the terminal: the sheet is kept,
  // the settings written, and the program ends as the signal would have
  // ended it, with status 128 + its number.
  rv::TerminationSignals termination;
  QObject::connect(&termination, &rv::TerminationSignals::received, &window, [](int signalNumber) {
    for (rv::MainWindow* each : ProgramWindows()) each->endSession();
    QApplication::exit(128 + signalNumber);
  });
  // Logging off asks to save changes but never stops the session from
  // ending; changes left unsaved are kept for the next start, as when the
  // session ends the program without asking.
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &window, [](QSessionManager& manager) {
    if (manager.allowsInteraction()) {
      for (rv::MainWindow* each : ProgramWindows()) each->askToSaveChanges();
      manager.release();
    }
    for (rv::MainWindow* each : ProgramWindows()) each->endSession();
  });
  window.show();
  // Without a window manager (a bare X server) the window would never become
  // active and no shortcut would reach it.
  window.activateWindow();
  return QApplication::exec();
}
