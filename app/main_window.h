#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "app/file_commands.h"
#include "app/path_chooser.h"
#include "app/sheet_change_command.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "graph/frame_buffer.h"
#include "graph/glyph_set.h"
#include "graph/graph_state.h"
#include "graph/ui/graph_owner.h"
#include "regress/enumeration.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "sheet/sheet_edit.h"
#include "stats/ui/statistics_report.h"

class QProgressBar;
class QTabWidget;

namespace rv {

class CommandActions;
class DataTab;
class EquationsTab;
class GraphTab;
class KeyGate;
class PrintController;
class SheetHistory;
struct Settings;
class StatisticsDialog;
class StatusBar;
class ToolTipSwitch;
class WhatsThisMode;
class WindowRecovery;
struct FinishedSearch;

// Where the program finds its surroundings; tests give their own.
struct StartUpOptions {
  std::string settingsPath;    // "Regrovantis.ini"; empty: nothing is read or written
  QString helpFilePath;        // "Regrovantis.hlp"
  std::string firstDataFolder;  // the data folder the first time and when the stored one is gone
  std::optional<std::string> commandLineFile;
  std::unique_ptr<PathChooser> pathChooser;  // file dialogs when not given
  int secondStageDelayMs = 500;              // negative: the caller runs finishStartUp()
  // Where each window keeps its sheet with unsaved changes, every few
  // minutes and when a signal ends the program; empty: nothing is kept or
  // offered.
  std::string recoveryFolder;
};

// The main window "Regrovantis": menu bar, the tabs Data, Equations and
// Graph, the status bar and the progress bar. It owns the document and
// everything kept beside it, and is the only one that changes them: the
// tabs and dialogs show what they read and report what the user did, and
// the main window applies it. Every command runs through runCommand().
class MainWindow : public QWidget, private FileCommandsView, private GraphOwner, private SheetChangeOwner {
  Q_OBJECT
 public:
  static constexpr int kWidth = 632;
  static constexpr int kHeight = 448;
  static constexpr int kStatusBarId = 102;
  static constexpr int kProgressBarId = 103;
  static constexpr int kDataPage = 0;
  static constexpr int kEquationsPage = 1;
  static constexpr int kGraphPage = 2;

  explicit MainWindow(StartUpOptions options);
  ~MainWindow() override;

  // The second stage of start-up: the pages and the grid, the settings file,
  // the recent files, then the file named on the command line. Runs once.
  void finishStartUp();
  bool startUpFinished() const { return started_; }

  // The command table: every menu item, accelerator, context-menu item and
  // forwarded button press arrives here by number.
  void runCommand(int id);

  Document& document() { return document_; }
  DataFileSession& session() { return session_; }
  EquationList& equations() { return equations_; }
  FitWorkspace& workspace() { return workspace_; }
  CommandActions& commands() const { return *commands_; }
  const PrintController& printing() const { return *printing_; }
  DataTab* dataTab() const { return dataTab_; }
  EquationsTab* equationsTab() const { return equationsTab_; }
  GraphTab* graphTab() const { return graphTab_; }
  const GraphState& graph() const { return graph_; }
  // The drawn graph as Copy Picture copies it: 640 × 640, with the equation
  // text and the border outline in their colours.
  FrameBuffer graphPicture() const;
  // The changes of the sheet that Undo and Redo step through.
  const SheetHistory& history() const { return *history_; }
  QTabWidget* tabs() const { return tabs_; }
  StatusBar* statusBar() const { return status_; }
  QProgressBar* progressBar() const { return progress_; }
  const ToolTipSwitch& toolTips() const { return *toolTipSwitch_; }
  WhatsThisMode& whatsThis() const { return *whatsThis_; }
  QWidget* currentPage() const;
  // The statistics dialog while it is open.
  StatisticsDialog* statisticsDialog() const;

  // The save-changes question while the sheet is modified; false when the
  // user cancels.
  bool askToSaveChanges() { return files_->askSaveChanges(); }

  // Writes the settings file; the program's last act.
  void shutDown();

  // A signal ends the program (SIGTERM, SIGHUP, SIGINT): nobody can be
  // asked anything. A sheet with unsaved changes is kept for the next start,
  // then the program shuts down; the caller ends the event loop.
  void endSession();

  // Where this window keeps its sheet, and how often.
  const WindowRecovery& recovery() const { return *recovery_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void settleSheet() override;
  // Every change of the sheet the user makes on the Data tab comes here.
  void applySheetEdit(const SheetEdit& edit);
  void replaceSheet(const DataSheet& sheet) override;
  const DataSheet& currentSheet() const override { return document_.sheet; }
  void exportGraph();
  void searchStarted();
  void searchFinished(const FinishedSearch& search);
  // Makes the selected list entry the workspace's current equation,
  // re-creating it when it was not the one fitted last. False, after telling
  // the user why, when it cannot be re-created; false without a word when
  // nothing is selected.
  bool makeSelectedEquationCurrent();
  // The same for any entry of the list.
  bool makeEquationCurrent(const EquationRecord* chosen);
  // The list entry selected on the Equations tab, nullptr when none is.
  const EquationRecord* selectedEntry() const;
  // The entry in a row of the list as the Equations tab shows it, nullptr
  // when the row holds none.
  const EquationRecord* entryInRow(int row) const;
  void copyEquation();

  // The print commands of the equation and the graph, which make their
  // equation current before the print dialog shows it.
  void printEquation();
  void printGraph();

  // The graph belongs to the equation selected when the Graph tab was last
  // shown: another selection brings its own variable list and no graph.
  void syncGraphWithSelection();
  void forgetGraph();
  void copyGraph();
  void showVariables();
  bool prepareGraph(bool showMessages) override;
  void setAnglePositions(int horizontal, int vertical) override;
  void stepRotation() override;
  void finishZoomDrag(const PixelRect& rect, const Viewport& viewport, int pictureHeight) override;
  void selectGraphVariables(const std::vector<bool>& selected) override;
  void showBusy(const char* status) override;
  void showOutcome(const FileOutcome& outcome) override;
  QWidget* dialogOwner() override { return this; }

  void buildFirstStage();
  void placeInWorkArea();
  QWidget* addPage(const QString& label, int toolTip);
  void pageChanged(int index);
  void greyMenuItems(bool open);
  void showOptions();
  void showStatistics();
  void showAbout();
  void toggleMaximized();
  void readSettings();
  // Offers the sheets kept by windows that are gone, one by one, oldest
  // first; true when one was restored (the others wait for the next start).
  bool offerRecoveredSheets();
  // Keeps the sheet in this window's recovery file while it is modified, and
  // removes the file once nothing is left unsaved.
  void keepSheet();
  void openCommandLineFile();
  void updateTitle();

  StartUpOptions startUp_;
  Document document_;
  DataFileSession session_;
  EquationList equations_;
  FitWorkspace workspace_;
  GraphState graph_;
  // The label font's glyphs, set once the application has started.
  GlyphSet labelGlyphs_;
  // The shape the listed ordinals were found with; Options changed since
  // then cannot change which equation an ordinal names.
  SearchShape listShape_;
  RecentFiles recentFiles_;
  int toolTipsOption_ = 1;
  // What the next search ranks its list by; kept in the settings file.
  RankingCriterion rankBy_ = RankingCriterion::RSquared;
  WindowRecovery* recovery_ = nullptr;
  bool started_ = false;
  bool shutDown_ = false;
  int currentPageIndex_ = kDataPage;

  CommandActions* commands_ = nullptr;
  KeyGate* keyGate_ = nullptr;
  ToolTipSwitch* toolTipSwitch_ = nullptr;
  WhatsThisMode* whatsThis_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  StatusBar* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  DataTab* dataTab_ = nullptr;
  EquationsTab* equationsTab_ = nullptr;
  GraphTab* graphTab_ = nullptr;
  std::unique_ptr<FileCommands> files_;
  SheetHistory* history_ = nullptr;
  // Names the next change for the command that makes it when the edit alone
  // would name it otherwise (Cut, which the Data tab reports as a clear).
  QString nextChangeName_;
  QPointer<StatisticsDialog> statistics_;
  std::unique_ptr<PrintController> printing_;
};

}  // namespace rv
