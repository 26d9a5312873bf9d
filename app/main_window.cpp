#include "app/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/about_dialog.h"
#include "app/command_actions.h"
#include "widgets/command_ids.h"
#include "app/key_gate.h"
#include "app/options_dialog.h"
#include "app/path_chooser.h"
#include "app/print_controller.h"
#include "app/sheet_history.h"
#include "app/whats_this_mode.h"
#include "app/window_recovery.h"
#include "graph/ui/graph_tab.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/resource_pictures.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"
#include "sheet/sheet_edit_name.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "stats/ui/statistics_dialog.h"

namespace rv {

namespace {

constexpr int kProgressRange = 1070;
// How far the progress bar stands when the first stage is shown.
constexpr int kFirstStageProgress = 20;

// The window's own margins around the tabs and the status bar, and the gap
// between them.
constexpr QMargins kWindowMargins(2, 1, 2, 0);
constexpr int kTabsToStatusBar = 2;
// The window keeps this far inside the desktop's work area, whose size is
// taken as this when no screen is known.
constexpr int kWorkAreaInset = 8;
constexpr QRect kWorkAreaWithoutScreen(0, 0, 800, 600);
// The progress bar sits in the status bar right of its panes, this far from
// the bar's top and this high; it is as wide as the status bar less this,
// which leaves the size grip free.
constexpr int kProgressTop = 4;
constexpr int kProgressHeight = 16;
constexpr int kProgressWidthLess = 151;

// The commands greyed in the menus while there is nothing for them to act on.
constexpr int kEquationCommands[] = {command::kPrintEquation, command::kCopyEquation};
constexpr int kGraphCommands[] = {command::kPrintGraph, command::kCopyGraph, command::kExportGraph};

}  // namespace

MainWindow::MainWindow(StartUpOptions options) : startUp_(std::move(options)) {
  if (!startUp_.pathChooser) startUp_.pathChooser = std::make_unique<FileDialogPathChooser>();
  buildFirstStage();
  files_ = std::make_unique<FileCommands>(document_, session_, equations_, recentFiles_,
                                          std::move(startUp_.pathChooser), static_cast<FileCommandsView&>(*this));
  if (startUp_.secondStageDelayMs >= 0) QTimer::singleShot(startUp_.secondStageDelayMs, this, [this] { finishStartUp(); });
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(keyGate_);
  qApp->removeEventFilter(toolTipSwitch_);
  if (!started_) QApplication::restoreOverrideCursor();
}

void MainWindow::buildFirstStage() {
  setObjectName(QStringLiteral("Regrovantis"));
  setWindowIcon(QIcon(ResourcePicture(QStringLiteral("Regrovantis"), QSize(32, 32))));
  setAcceptDrops(true);
  SetHelpFilePath(this, startUp_.helpFilePath);

  keyGate_ = new KeyGate(this);
  qApp->installEventFilter(keyGate_);
  toolTipSwitch_ = new ToolTipSwitch(this);
  qApp->installEventFilter(toolTipSwitch_);
  whatsThis_ = new WhatsThisMode(this, [this] { return currentPage(); });
  recovery_ = new WindowRecovery(startUp_.recoveryFolder, [this] { keepSheet(); }, this);

  commands_ = new CommandActions(this);
  connect(commands_, &CommandActions::command, this, &MainWindow::runCommand);
  history_ = new SheetHistory(*this, *commands_, this);
  AddTooltip(commands_->menuBar(), kTipMenuItems);
  for (QMenu* menu : {commands_->fileMenu(), commands_->editMenu()}) {
    connect(menu, &QMenu::aboutToShow, this, [this] { greyMenuItems(true); });
    connect(menu, &QMenu::aboutToHide, this, [this] { greyMenuItems(false); });
  }

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setCornerWidget(commands_->menuBar(), Qt::TopLeftCorner);
  tabs_->setStyleSheet(QStringLiteral("QTabWidget::tab-bar { alignment: right; }"));
  addPage(QStringLiteral("&Data"), kTipEnterData);
  addPage(QStringLiteral("E&quations"), kTipRegressEquations);
  addPage(QStringLiteral("&Graph"), kTipDrawGraph);
  connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);

  status_ = new StatusBar(this);
  SetControlId(status_, kStatusBarId);
  AddTooltip(status_, kTipStatusBar);
  printing_ = std::make_unique<PrintController>(document_, status_, this);
  progress_ = new QProgressBar(status_);
  SetControlId(progress_, kProgressBarId);
  progress_->setRange(0, kProgressRange);
  progress_->setValue(kFirstStageProgress);
  progress_->setTextVisible(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kWindowMargins);
  layout->setSpacing(kTabsToStatusBar);
  layout->addWidget(tabs_, 1);
  layout->addWidget(status_);

  // A file named on the command line shows its name from the first moment;
  // it is read once the grid exists.
  QString title = QString::fromStdString(WindowTitle(document_.state));
  if (startUp_.commandLineFile && QFileInfo(QFile::decodeName(startUp_.commandLineFile->c_str())).isFile())
    title = QStringLiteral("Regrovantis - ") + QFileInfo(QFile::decodeName(startUp_.commandLineFile->c_str())).fileName();
  else
    startUp_.commandLineFile.reset();
  setWindowTitle(title);
  placeInWorkArea();
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::placeInWorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect workArea = screen != nullptr ? screen->availableGeometry() : kWorkAreaWithoutScreen;
  const QSize size(std::min(workArea.width() - kWorkAreaInset, kWidth),
                   std::min(workArea.height() - kWorkAreaInset, kHeight));
  resize(size);
  move(workArea.x() + (workArea.width() - size.width()) / 2, workArea.y() + (workArea.height() - size.height()) / 2);
}

QWidget* MainWindow::addPage(const QString& label, int toolTip) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  const int index = tabs_->addTab(page, label);
  tabs_->setTabToolTip(index, ToolTipText(toolTip));
  return page;
}

QWidget* MainWindow::currentPage() const { return tabs_->currentWidget(); }

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  progress_->setGeometry(StatusBar::kPanesRight, kProgressTop, std::max(0, status_->width() - kProgressWidthLess),
                         kProgressHeight);
}

// Leaving the Graph page stops the graph turning; entering it shows the
// graph of the equation selected now. The Data page, when entered, gives
// the focus back to the current cell.
void MainWindow::pageChanged(int index) {
  if (currentPageIndex_ == kGraphPage && graphTab_ != nullptr) graphTab_->stopRotation();
  currentPageIndex_ = index;
  if (index == kDataPage && dataTab_ != nullptr) dataTab_->focusCurrentCell();
  if (index == kGraphPage && graphTab_ != nullptr) syncGraphWithSelection();
}

void MainWindow::greyMenuItems(bool open) {
  if (!started_) return;
  const bool equationSelected = session_.selectedIndex >= 0 && session_.selectedIndex < equations_.size();
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  // The greying holds only while a menu is open: the same commands reach
  // their owners by key, which decide for themselves.
  for (int id : kEquationCommands) commands_->setGreyed(id, open && !equationSelected);
  for (int id : kGraphCommands) commands_->setGreyed(id, open && !session_.graphDrawn);
  commands_->setGreyed(command::kPasteData, open && (clipboard == nullptr || !clipboard->hasText()));
}

void MainWindow::settleSheet() {
  if (dataTab_ == nullptr) return;
  dataTab_->endRangeSelection();
  dataTab_->commitPendingEdit();
}

// A refused edit leaves the sheet as it was and says why. What an edit could
// not do is said in a message of its own: it names rows and columns the user
// has to look for, too long for a pane of the status bar.
void MainWindow::applySheetEdit(const SheetEdit& edit) {
  DataSheet after = document_.sheet;
  const SheetEditOutcome outcome = ApplySheetEdit(after, edit);
  if (!outcome.refusal.empty()) {
    ShowMessage(QString::fromStdString(outcome.refusal), this, MessageKind::Error);
    return;
  }
  const QString name = nextChangeName_.isEmpty() ? QString::fromUtf8(SheetEditName(edit)) : nextChangeName_;
  history_->push(name, document_.sheet, after);
  if (!outcome.notice.empty()) ShowMessage(QString::fromStdString(outcome.notice), this, MessageKind::Information);
}

// The current equation was fitted to the sheet as it was, so it is re-created
// before it is used again.
void MainWindow::replaceSheet(const DataSheet& sheet) {
  document_.sheet = sheet;
  document_.state.modified = true;
  workspace_.lastFittedOrdinal = 0;
  dataTab_->showSheet();
  if (equationsTab_ != nullptr) equationsTab_->showLeftOutData();
}

void MainWindow::showBusy(const char* status) {
  if (status != nullptr) {
    status_->setPaneText(StatusPane::Activity, QString::fromLatin1(status));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  status_->setPaneText(StatusPane::Activity, QStringLiteral("Ready"));
  QApplication::restoreOverrideCursor();
}

void MainWindow::showOutcome(const Outcome<ViewUpdates>& outcome) {
  ViewUpdates updates;
  if (outcome) {
    updates = *outcome;
  } else {
    ShowMessage(QString::fromStdString(outcome.message().text), this, outcome.message().kind);
    // A data file that could not be opened has left the recent files.
    updates.updateRecentFileMenu = true;
  }
  if (updates.notice) ShowMessage(QString::fromStdString(updates.notice->text), this, updates.notice->kind);
  if (updates.updateTitle) updateTitle();
  if (updates.updateRecentFileMenu) commands_->setRecentFiles(recentFiles_.menuItems());
  if (updates.reloadSheet) history_->forget();
  if (updates.reloadSheet && dataTab_ != nullptr) dataTab_->reloadFromDocument();
  if (updates.reloadEquationList && equationsTab_ != nullptr) {
    // The stored equation is re-created by the ordinals of the file's counts
    // and options.
    listShape_ = MakeSearchShape(SnapshotWithCounts(document_.sheet.cells, document_.pointCount, document_.columnCount),
                                 document_.options);
    workspace_.lastFittedOrdinal = 0;
    equationsTab_->reloadList(session_.selectedIndex);
    status_->setPaneText(StatusPane::Detail, QString());
  }
  if (updates.reloadGraphVariables && graphTab_ != nullptr) graphTab_->showVariables();
  if (updates.releaseGraph && graphTab_ != nullptr) forgetGraph();
  if (updates.pressDraw && graphTab_ != nullptr) graphTab_->pressDraw();
  if (updates.focusCurrentCell && currentPageIndex_ == kDataPage && dataTab_ != nullptr) dataTab_->focusCurrentCell();
  if (!document_.state.modified) keepSheet();
}

void MainWindow::showOptions() {
  const OptionsAnswer answer = ShowOptionsDialog(this, document_.options, toolTipsOption_ != 0);
  document_.options = answer.options;
  if (!answer.accepted) return;
  toolTipsOption_ = answer.showToolTips ? 1 : 0;
  toolTipSwitch_->setShown(answer.showToolTips);
  // A drawn graph is drawn again with the new colours once the dialog is
  // gone; one that turns stops first, or Draw would only stop it.
  if (session_.graphDrawn)
    QTimer::singleShot(0, this, [this] {
      graphTab_->stopRotation();
      graphTab_->pressDraw();
    });
  document_.state.modified = true;
}

StatisticsDialog* MainWindow::statisticsDialog() const { return statistics_; }

void MainWindow::showAbout() {
  ShowAboutDialog(this);
  if (currentPageIndex_ == kDataPage) dataTab_->focusCurrentCell();
}

void MainWindow::updateTitle() { setWindowTitle(QString::fromStdString(WindowTitle(document_.state))); }

void MainWindow::toggleMaximized() {
  if (isMaximized()) showNormal();
  else showMaximized();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !shutDown_) {
    if (!files_->askSaveChanges()) {
      event->ignore();
      return;
    }
    // Saved, or the user let the changes go: nothing is left to recover.
    recovery_->letGo();
    shutDown();
  }
  event->accept();
  // The help window goes with the program.
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->close();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && started_) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    // The question and the reading wait until the drop has ended.
    const std::string path = QFile::encodeName(url.toLocalFile()).toStdString();
    QTimer::singleShot(0, this, [this, path] { files_->openDropped(path); });
    return;
  }
}

}  // namespace rv
