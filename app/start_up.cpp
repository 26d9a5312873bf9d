#include <QApplication>
#include <QDateTime>
#include <QProgressBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/command_actions.h"
#include "app/key_gate.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/sheet_history.h"
#include "app/window_recovery.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "graph/ui/graph_tab.h"
#include "graph/ui/label_glyphs.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"

namespace rv {

namespace {

void ShowProgress(QProgressBar* progress, int value) {
  progress->setValue(value);
  progress->repaint();
}

// Shown at once rather than by the layout's next pass, so the focus can go
// to the grid before start-up ends.
void PutIntoPage(QWidget* page, QWidget* content) {
  page->layout()->addWidget(content);
  content->show();
}

}  // namespace

// The first stage has shown the window; this one builds everything that
// takes time, so the window appears at once.
void MainWindow::finishStartUp() {
  if (started_) return;
  ShowProgress(progress_, 40);
  equationsTab_ = new EquationsTab({document_, equations_, rankBy_, *status_, *progress_});
  PutIntoPage(tabs_->widget(kEquationsPage), equationsTab_);
  connect(equationsTab_, &EquationsTab::commandRequested, this, &MainWindow::runCommand);
  connect(equationsTab_, &EquationsTab::searchStarted, this, &MainWindow::searchStarted);
  connect(equationsTab_, &EquationsTab::searchFinished, this, &MainWindow::searchFinished);
  connect(equationsTab_, &EquationsTab::selectionChanged, this, [this](int row) { session_.selectedIndex = row; });
  connect(equationsTab_, &EquationsTab::statisticsRequested, this, &MainWindow::showStatistics);
  connect(equationsTab_, &EquationsTab::rankByChosen, this, [this](RankingCriterion criterion) { rankBy_ = criterion; });
  labelGlyphs_ = LabelGlyphs();
  graphTab_ = new GraphTab({graph_, session_, *this});
  PutIntoPage(tabs_->widget(kGraphPage), graphTab_);
  connect(graphTab_, &GraphTab::commandRequested, this, &MainWindow::runCommand);
  ShowProgress(progress_, 60);
  readSettings();
  const bool helpFileFound = HelpFileReadable(startUp_.helpFilePath);
  ShowProgress(progress_, 80);

  dataTab_ = new DataTab(document_);
  PutIntoPage(tabs_->widget(kDataPage), dataTab_);
  connect(dataTab_, &DataTab::commandRequested, this, &MainWindow::runCommand);
  connect(dataTab_, &DataTab::sheetEdited, this, &MainWindow::applySheetEdit);
  connect(dataTab_, &DataTab::modified, this, [this] {
    document_.state.modified = true;
    history_->typingChanged();
  });
  ShowProgress(progress_, progress_->maximum());

  progress_->hide();
  tabs_->setCurrentIndex(kDataPage);
  dataTab_->focusCurrentCell();
  QApplication::restoreOverrideCursor();
  status_->setPaneText(StatusPane::Activity, QStringLiteral("Ready"));
  started_ = true;
  keyGate_->open();
  commands_->setAllEnabled(true);
  history_->showState();

  if (!helpFileFound) ShowMissingHelpFileMessage(this);
  openCommandLineFile();
}

// A restored sheet is the one the user worked on last: a file named on the
// command line replaces it only after the save-changes question.
void MainWindow::openCommandLineFile() {
  const bool restored = offerRecoveredSheets();
  if (shutDown_) return;
  if (startUp_.commandLineFile && (!restored || (files_->askSaveChanges() && !shutDown_)))
    files_->openAtStartUp(*startUp_.commandLineFile);
  updateTitle();
}

void MainWindow::readSettings() {
  recovery_->setInterval(kDefaultAutoRecoveryMinutes);
  if (startUp_.settingsPath.empty()) return;
  const SettingsRead read = ReadSettingsFile(startUp_.settingsPath);
  const Settings& settings = read.settings;
  // A settings file that is not one starts the program with the defaults.
  if (!read.refusal.empty()) status_->setPaneText(StatusPane::Detail, QString::fromStdString(read.refusal));
  toolTipsOption_ = settings.tooltips;
  toolTipSwitch_->setShown(toolTipsOption_ != 0);
  recentFiles_ = RecentFiles::FromSettings(settings.recentFiles);
  commands_->setRecentFiles(recentFiles_.menuItems());
  document_.state.dataFolder = DataFolderAtStartUp(settings.dataFolder, startUp_.firstDataFolder);
  rankBy_ = settings.rankBy;
  equationsTab_->showRankBy();
  recovery_->setInterval(settings.autoRecoveryMinutes);
  printing_->readSettings(settings);
}

bool MainWindow::offerRecoveredSheets() {
  for (const RecoveredSheet& sheet : recovery_->sheetsToOffer()) {
    const QString keptAt = QDateTime::fromSecsSinceEpoch(sheet.keptAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    // The dialog is as wide as its first line.
    const QString question = QStringLiteral("The changes to '%1' kept at %2\nwere not saved when the program ended."
                                            "\nDo you want to restore them?")
                                 .arg(QString::fromStdString(sheet.title), keptAt);
    const MessageAnswer answer = ShowMessage(question, this, MessageKind::YesNo);
    // A signal that ends the program while it asks leaves every kept sheet.
    if (shutDown_) return false;
    if (answer != MessageAnswer::Yes) {
      if (answer == MessageAnswer::No) RemoveRecoveryFile(recovery_->folder(), sheet.slot);
      continue;
    }
    const Outcome<ViewUpdates> outcome =
        RestoreRecoveredSheet(recovery_->folder(), sheet.slot, document_, session_, equations_);
    showOutcome(outcome);
    if (!outcome) continue;
    // Kept again at once, now as this window's.
    keepSheet();
    return true;
  }
  return false;
}

void MainWindow::keepSheet() {
  // After the shutdown the sheet was either kept by endSession() or let go.
  if (!started_ || shutDown_) return;
  recovery_->keep(document_, session_, equations_);
}

void MainWindow::endSession() {
  if (shutDown_) return;
  settleSheet();
  keepSheet();
  shutDown();
}

// The settings are written only when start-up has read them, so a window
// closed while it is still loading cannot wipe the recent files.
void MainWindow::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  if (equationsTab_ != nullptr) equationsTab_->requestStop();
  if (graphTab_ != nullptr) graphTab_->stopRotation();
  if (!started_ || startUp_.settingsPath.empty()) return;
  Settings settings;
  settings.tooltips = toolTipsOption_;
  settings.recentFiles = recentFiles_.settingsValues();
  settings.dataFolder = document_.state.dataFolder;
  settings.rankBy = rankBy_;
  settings.autoRecoveryMinutes = recovery_->interval();
  printing_->writeSettings(settings);
  WriteSettingsFile(startUp_.settingsPath, settings);
}

}  // namespace rv
