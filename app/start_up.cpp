#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/command_actions.h"
#include "app/key_gate.h"
#include "app/main_window.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "print/paper.h"
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
  connect(dataTab_, &DataTab::modified, this, &MainWindow::typingChanged);
  ShowProgress(progress_, progress_->maximum());

  progress_->hide();
  tabs_->setCurrentIndex(kDataPage);
  dataTab_->focusCurrentCell();
  QApplication::restoreOverrideCursor();
  status_->setPaneText(1, QStringLiteral("Ready"));
  started_ = true;
  keyGate_->open();
  commands_->setAllEnabled(true);
  showUndoState();

  if (!helpFileFound) ShowMissingHelpFileMessage(this);
  // A restored sheet is the one the user worked on last: a file named on the
  // command line would replace it unasked.
  if (offerRecoveredSheet()) return;
  if (startUp_.commandLineFile) {
    files_->openAtStartUp(*startUp_.commandLineFile);
    updateTitle();
  }
}

void MainWindow::readSettings() {
  if (startUp_.settingsPath.empty()) return;
  const SettingsRead read = ReadSettingsFile(startUp_.settingsPath);
  const Settings& settings = read.settings;
  // A settings file that is not one starts the program with the defaults.
  if (!read.refusal.empty()) status_->setPaneText(2, QString::fromStdString(read.refusal));
  toolTipsOption_ = settings.tooltips;
  toolTipSwitch_->setShown(toolTipsOption_ != 0);
  recentFiles_ = RecentFiles::FromSettings(settings.recentFiles);
  commands_->setRecentFiles(recentFiles_.menuItems());
  document_.state.dataFolder = DataFolderAtStartUp(settings.dataFolder, startUp_.firstDataFolder);
  rankBy_ = settings.rankBy;
  equationsTab_->showRankBy();
  readPrintingSettings(settings);
}

// The printer in use starts as the print server's default, which the print
// dialogs find when they ask the server; the paper and the PDF folder are
// the last run's.
void MainWindow::readPrintingSettings(const Settings& settings) {
  printSettings_.paper = PaperNamed(settings.paper) ? settings.paper : std::string();
  lastPdfFolder_ = QFile::decodeName(settings.pdfFolder.c_str());
}

void MainWindow::writePrintingSettings(Settings& settings) const {
  settings.paper = printSettings_.paper;
  settings.pdfFolder = QFile::encodeName(lastPdfFolder_).toStdString();
}

// A sheet kept when the last session ended the program is offered back
// once; declined, it is gone. True when it was restored.
bool MainWindow::offerRecoveredSheet() {
  const std::optional<std::string> title = RecoveredSheetTitle(startUp_.recoveryFolder);
  if (!title) return false;
  const QString question = QStringLiteral("The changes to '%1' were not saved\nwhen the program was last ended.\n"
                                          "Do you want to restore them?")
                               .arg(QString::fromStdString(*title));
  if (ShowMessage(question, this, MessageKind::YesNo) != kAnswerYes) {
    DiscardRecoveredSheet(startUp_.recoveryFolder);
    return false;
  }
  const FileOutcome outcome = RestoreRecoveredSheet(startUp_.recoveryFolder, document_, session_, equations_);
  showOutcome(outcome);
  return outcome.succeeded;
}

void MainWindow::endSession() {
  if (shutDown_) return;
  settleSheet();
  if (started_ && document_.state.modified) SaveRecoveryFile(startUp_.recoveryFolder, document_, session_);
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
  writePrintingSettings(settings);
  WriteSettingsFile(startUp_.settingsPath, settings);
}

}  // namespace rv
