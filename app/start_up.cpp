#include <QApplication>
#include <QProgressBar>
#include <QTabWidget>

#include "app/command_actions.h"
#include "app/document_views.h"
#include "app/equation_controller.h"
#include "app/file_commands.h"
#include "app/file_drop_target.h"
#include "app/graph_controller.h"
#include "app/key_gate.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/search_controller.h"
#include "app/sheet_history.h"
#include "app/window_frame.h"
#include "app/window_recovery.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "graph/ui/graph_tab.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

// How far the progress bar stands as each part of the second stage is built.
constexpr int kEquationsTabProgress = 40;
constexpr int kGraphTabProgress = 60;
constexpr int kSettingsProgress = 80;
// The windows one start opens for kept sheets, its own included; the other
// sheets chosen stay kept.
constexpr int kMaxRestoringWindows = 10;

void ShowProgress(QProgressBar* progress, int value) {
  progress->setValue(value);
  progress->repaint();
}

}  // namespace

// The first stage has shown the window; this one builds everything that
// takes time, so the window appears at once.
void MainWindow::finishStartUp() {
  if (started_) return;
  QProgressBar* progress = frame_->progressBar();
  ShowProgress(progress, kEquationsTabProgress);
  auto* equationsTab = new EquationsTab({document_, equations_, rankBy_, *frame_->statusBar(), *progress});
  frame_->putInPage(equationsTab);
  connect(equationsTab, &EquationsTab::commandRequested, this, &MainWindow::runCommand);
  searches_->attach(equationsTab);
  connect(equationsTab, &EquationsTab::selectionChanged, this, [this](int row) { session_.selectedIndex = row; });
  connect(equationsTab, &EquationsTab::statisticsRequested, this, [this] { equationController_->showStatistics(); });
  connect(equationsTab, &EquationsTab::rankByChosen, this, [this](RankingCriterion criterion) { rankBy_ = criterion; });
  auto* graphTab = new GraphTab({graphs_->state(), session_, *graphs_});
  graphs_->attach(graphTab);
  frame_->putInPage(graphTab);
  connect(graphTab, &GraphTab::commandRequested, this, &MainWindow::runCommand);
  ShowProgress(progress, kGraphTabProgress);
  readSettings();
  const bool helpFileFound = HelpFileReadable(startUp_.helpFilePath);
  ShowProgress(progress, kSettingsProgress);

  auto* dataTab = new DataTab(document_);
  frame_->putInPage(dataTab);
  connect(dataTab, &DataTab::commandRequested, this, &MainWindow::runCommand);
  connect(dataTab, &DataTab::sheetEdited, this, [this](const SheetEdit& edit) { history_->pushEdit(edit, this); });
  connect(dataTab, &DataTab::modified, this, [this] {
    document_.state.modified = true;
    history_->typingChanged();
  });
  ShowProgress(progress, progress->maximum());

  progress->hide();
  frame_->tabs()->setCurrentIndex(WindowFrame::kDataPage);
  dataTab->focusCurrentCell();
  QApplication::restoreOverrideCursor();
  frame_->statusBar()->setPaneText(StatusPane::Activity, QStringLiteral("Ready"));
  started_ = true;
  recovery_->setKeeping(true);
  dropTarget_->setAccepting(true);
  keyGate_->open();
  commands_->setAllEnabled(true);
  history_->showState();

  if (!helpFileFound) ShowMissingHelpFileMessage(this);
  if (startUp_.restoreAtStart) {
    if (files_->restoreKept(recovery_->folder(), *startUp_.restoreAtStart)) recovery_->keep();
    views_->updateTitle();
    return;
  }
  // A restored sheet is the one the user worked on last: a file named on the
  // command line replaces it only after the save-changes question.
  const bool restored = restoreKeptSheets();
  if (shutDown_) return;
  if (startUp_.commandLineFile && (!restored || (files_->askSaveChanges() && !shutDown_)))
    files_->openAtStartUp(*startUp_.commandLineFile);
  views_->updateTitle();
}

bool MainWindow::restoreKeptSheets() {
  bool restoredHere = false;
  int windows = 0;
  int leftKept = 0;
  for (const RecoveredSheet& sheet : recovery_->offerKeptSheets(this)) {
    if (!restoredHere) {
      restoredHere = files_->restoreKept(recovery_->folder(), sheet.slot);
      if (restoredHere) recovery_->keep();
    } else if (++windows < kMaxRestoringWindows) {
      openRestoringWindow(sheet.slot);
    } else {
      ++leftKept;
    }
  }
  if (leftKept > 0)
    ShowMessage(QStringLiteral("%1 more %2 kept for the next start: one start opens at most %3 windows.")
                    .arg(leftKept)
                    .arg(leftKept == 1 ? QStringLiteral("sheet stays") : QStringLiteral("sheets stay"))
                    .arg(kMaxRestoringWindows),
                this, MessageKind::Information);
  return restoredHere;
}

void MainWindow::openRestoringWindow(const RecoverySlot& slot) const {
  StartUpOptions options;
  options.settingsPath = startUp_.settingsPath;
  options.helpFilePath = startUp_.helpFilePath;
  options.firstDataFolder = startUp_.firstDataFolder;
  options.recoveryFolder = startUp_.recoveryFolder;
  options.restoreAtStart = slot;
  options.secondStageDelayMs = -1;
  auto* window = new MainWindow(std::move(options));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->finishStartUp();
}

void MainWindow::readSettings() {
  recovery_->setInterval(kDefaultAutoRecoveryMinutes);
  if (startUp_.settingsPath.empty()) return;
  const SettingsRead read = ReadSettingsFile(startUp_.settingsPath);
  const Settings& settings = read.settings;
  // A settings file that is not one starts the program with the defaults.
  if (!read.refusal.empty()) frame_->statusBar()->setPaneText(StatusPane::Detail, QString::fromStdString(read.refusal));
  toolTipsOption_ = settings.tooltips;
  toolTipSwitch_->setShown(toolTipsOption_ != 0);
  recentFiles_ = RecentFiles::FromSettings(settings.recentFiles);
  commands_->setRecentFiles(recentFiles_.menuItems());
  document_.state.dataFolder = DataFolderAtStartUp(settings.dataFolder, startUp_.firstDataFolder);
  rankBy_ = settings.rankBy;
  frame_->equationsTab()->showRankBy();
  recovery_->setInterval(settings.autoRecoveryMinutes);
  undoMegabytes_ = settings.undoMegabytes;
  history_->setByteBudget(UndoBudgetBytes(undoMegabytes_));
  printing_->readSettings(settings);
}

void MainWindow::endSession() {
  if (shutDown_) return;
  views_->settleSheet();
  recovery_->keep();
  shutDown();
}

// The settings are written only when start-up has read them, so a window
// closed while it is still loading cannot wipe the recent files.
void MainWindow::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  recovery_->setKeeping(false);
  searches_->requestStop();
  if (frame_->graphTab() != nullptr) frame_->graphTab()->stopRotation();
  if (!started_ || startUp_.settingsPath.empty()) return;
  Settings settings;
  settings.tooltips = toolTipsOption_;
  settings.recentFiles = recentFiles_.settingsValues();
  settings.dataFolder = document_.state.dataFolder;
  settings.rankBy = rankBy_;
  settings.autoRecoveryMinutes = recovery_->interval();
  settings.undoMegabytes = undoMegabytes_;
  printing_->writeSettings(settings);
  // The window is closing: the log keeps what the status bar shows last.
  if (const Outcome<void> written = WriteSettingsFile(startUp_.settingsPath, settings); !written) {
    const QString text =
        QStringLiteral("The settings could not be written to %1: %2")
            .arg(QString::fromStdString(startUp_.settingsPath), QString::fromStdString(written.message().text));
    qWarning("%s", qUtf8Printable(text));
    frame_->statusBar()->setPaneText(StatusPane::Detail, text);
  }
}

}  // namespace rv
