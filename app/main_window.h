#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "app/sheet_history.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "files/ui/path_chooser.h"
#include "regress/equation_list.h"
#include "regress/ranking_criterion.h"
#include "sheet/document.h"

namespace rv {

class CommandActions;
class DocumentViews;
class EquationController;
class FileCommands;
class FileDropTarget;
class GraphController;
class KeyGate;
class OpenFileGuard;
class PrintController;
class SearchController;
class SheetHistory;
class ToolTipSwitch;
class WhatsThisMode;
class WindowFrame;
class WindowRecovery;

// Where the program finds its surroundings; tests give their own.
struct StartUpOptions {
  std::string settingsPath;     // "Regrovantis.ini"; empty: nothing is read or written
  QString helpFilePath;         // "Regrovantis.hlp"
  std::string firstDataFolder;  // the data folder the first time and when the stored one is gone
  std::optional<std::string> commandLineFile;
  std::unique_ptr<PathChooser> pathChooser;  // file dialogs when not given
  int secondStageDelayMs = 500;              // negative: the caller runs finishStartUp()
  // Where each window keeps its sheet with unsaved changes, every few
  // minutes and when a signal ends the program; empty: nothing is kept or
  // offered.
  std::string recoveryFolder;
  // A window opened to restore this kept sheet, chosen in another window's
  // offer; it offers nothing itself.
  std::optional<RecoverySlot> restoreAtStart;
};

// The main window "Regrovantis". It owns the document, the session kept
// beside it and the equation list, and is the only one that changes them:
// the tabs and dialogs show what they read and report what the user did, and
// the main window applies it. Each concern has an owner the window composes:
// the frame of tabs and bars, the commands, the sheet's history, the file
// commands, the equation, the graph, printing and the recovery file. Every
// command runs through runCommand().
class MainWindow : public QWidget, private SheetChangeOwner {
  Q_OBJECT
 public:
  explicit MainWindow(StartUpOptions options);
  ~MainWindow() override;

  // The second stage of start-up: the pages and the grid, the settings file,
  // the recent files, then the file named on the command line. Runs once.
  void finishStartUp();

  // The command table: every menu item, accelerator, context-menu item and
  // forwarded button press arrives here by number.
  void runCommand(int id);

  // The state the window owns; tests set up their sheets through it.
  Document& document() { return document_; }
  DataFileSession& session() { return session_; }
  EquationList& equations() { return equations_; }

  const WindowFrame& frame() const { return *frame_; }
  const CommandActions& commands() const { return *commands_; }
  const SheetHistory& history() const { return *history_; }
  const EquationController& equationController() const { return *equationController_; }
  const GraphController& graphController() const { return *graphs_; }
  const PrintController& printing() const { return *printing_; }
  // Where this window keeps its sheet, and how often.
  const WindowRecovery& recovery() const { return *recovery_; }

  // The save-changes question while the sheet is modified; false when the
  // user cancels.
  bool askToSaveChanges();

  // Writes the settings file; the program's last act.
  void shutDown();

  // A signal ends the program (SIGTERM, SIGHUP, SIGINT): nobody can be
  // asked anything. A sheet with unsaved changes is kept for the next start,
  // then the program shuts down; the caller ends the event loop.
  void endSession();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  const DataSheet& currentSheet() const override { return document_.sheet; }
  SheetEditOutcome applyEdit(const SheetEdit& edit) override;
  void applyChange(const SheetChange& change, ChangeDirection direction) override;
  // The current equation was fitted to the sheet as it was, so it is
  // re-created before it is used again.
  void showChangedSheet();
  void showOptions();
  void readSettings();
  // The kept sheets of windows that are gone: offered, then the first chosen
  // restored here and each other one in a window of its own. True when this
  // window restored one.
  bool restoreKeptSheets();
  // A window of its own for a kept sheet, started at once.
  void openRestoringWindow(const RecoverySlot& slot) const;

  StartUpOptions startUp_;
  Document document_;
  DataFileSession session_;
  EquationList equations_;
  RecentFiles recentFiles_;
  int toolTipsOption_ = 1;
  // The memory Undo may keep, in megabytes; kept in the settings file.
  int undoMegabytes_ = kDefaultUndoMegabytes;
  // What the next search ranks its list by; kept in the settings file.
  RankingCriterion rankBy_ = RankingCriterion::RSquared;
  bool started_ = false;
  bool shutDown_ = false;

  CommandActions* commands_ = nullptr;
  KeyGate* keyGate_ = nullptr;
  ToolTipSwitch* toolTipSwitch_ = nullptr;
  WhatsThisMode* whatsThis_ = nullptr;
  FileDropTarget* dropTarget_ = nullptr;
  WindowFrame* frame_ = nullptr;
  SheetHistory* history_ = nullptr;
  std::unique_ptr<OpenFileGuard> guard_;
  WindowRecovery* recovery_ = nullptr;
  std::unique_ptr<PrintController> printing_;
  std::unique_ptr<EquationController> equationController_;
  std::unique_ptr<GraphController> graphs_;
  SearchController* searches_ = nullptr;
  std::unique_ptr<DocumentViews> views_;
  std::unique_ptr<FileCommands> files_;
};

}  // namespace rv
