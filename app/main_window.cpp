#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include "app/command_actions.h"
#include "app/document_views.h"
#include "app/equation_controller.h"
#include "app/file_commands.h"
#include "app/file_drop_target.h"
#include "app/graph_controller.h"
#include "app/key_gate.h"
#include "app/open_file_guard.h"
#include "app/options_dialog.h"
#include "app/print_controller.h"
#include "app/search_controller.h"
#include "app/sheet_history.h"
#include "app/whats_this_mode.h"
#include "app/window_frame.h"
#include "app/window_recovery.h"
#include "graph/ui/graph_tab.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "widgets/help.h"
#include "widgets/resource_pictures.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

constexpr QSize kIconSize(32, 32);

}  // namespace

// The first stage of start-up: the window, its menus and its frame, shown
// at once; the tabs follow in finishStartUp().
MainWindow::MainWindow(StartUpOptions options) : startUp_(std::move(options)) {
  if (!startUp_.pathChooser) startUp_.pathChooser = std::make_unique<FileDialogPathChooser>();
  setObjectName(QStringLiteral("Regrovantis"));
  setWindowIcon(QIcon(ResourcePicture(QStringLiteral("Regrovantis"), kIconSize)));
  SetHelpFilePath(this, startUp_.helpFilePath);

  keyGate_ = new KeyGate(this);
  qApp->installEventFilter(keyGate_);
  toolTipSwitch_ = new ToolTipSwitch(this);
  qApp->installEventFilter(toolTipSwitch_);
  whatsThis_ = new WhatsThisMode(this, [this] { return frame_->tabs()->currentWidget(); });
  guard_ = std::make_unique<OpenFileGuard>();
  recovery_ = new WindowRecovery(startUp_.recoveryFolder, document_, session_, equations_, *guard_, this);

  commands_ = new CommandActions(this);
  connect(commands_, &CommandActions::command, this, &MainWindow::runCommand);
  history_ = new SheetHistory(*this, *commands_, this);
  AddTooltip(commands_->menuBar(), kTipMenuItems);
  for (QMenu* menu : {commands_->fileMenu(), commands_->editMenu()}) {
    const auto grey = [this](bool open) {
      if (started_)
        commands_->greyForOpenMenu(open, equationController_->selectedEntry() != nullptr, session_.graphDrawn);
    };
    connect(menu, &QMenu::aboutToShow, this, [grey] { grey(true); });
    connect(menu, &QMenu::aboutToHide, this, [grey] { grey(false); });
  }

  frame_ = new WindowFrame(this, commands_->menuBar());
  printing_ = std::make_unique<PrintController>(document_, frame_->statusBar(), this);
  equationController_ = std::make_unique<EquationController>(document_, session_, equations_, *printing_, this);
  graphs_ = std::make_unique<GraphController>(document_, session_, *equationController_, *printing_, *history_, this);
  searches_ = new SearchController({document_, session_, equations_, rankBy_, *equationController_}, this);
  views_ = std::make_unique<DocumentViews>(DocumentViews::Parts{*this, document_, session_, recentFiles_, *commands_,
                                                                *history_, *frame_, *equationController_, *graphs_,
                                                                *searches_, *recovery_});
  files_ = std::make_unique<FileCommands>(document_, session_, equations_, recentFiles_, *guard_,
                                          std::move(startUp_.pathChooser), *views_);
  connect(recovery_, &WindowRecovery::failed, this,
          [this](const QString& text) { frame_->statusBar()->setPaneText(StatusPane::Detail, text); });
  dropTarget_ = new FileDropTarget(this, [this](const std::string& path) { files_->openDropped(path); });

  // Leaving the Graph page stops the graph turning; entering it shows the
  // graph of the equation selected now. The Data page, when entered, gives
  // the focus back to the current cell.
  connect(frame_, &WindowFrame::pageChanged, this, [this](int left, int entered) {
    if (left == WindowFrame::kGraphPage && frame_->graphTab() != nullptr) frame_->graphTab()->stopRotation();
    if (entered == WindowFrame::kDataPage && frame_->dataTab() != nullptr) frame_->dataTab()->focusCurrentCell();
    if (entered == WindowFrame::kGraphPage && frame_->graphTab() != nullptr) graphs_->syncWithSelection();
  });

  // A file named on the command line shows its name from the first moment;
  // it is read once the grid exists.
  QString title = QString::fromStdString(WindowTitle(document_.state));
  if (startUp_.commandLineFile && QFileInfo(QFile::decodeName(startUp_.commandLineFile->c_str())).isFile())
    title =
        QStringLiteral("Regrovantis - ") + QFileInfo(QFile::decodeName(startUp_.commandLineFile->c_str())).fileName();
  else startUp_.commandLineFile.reset();
  setWindowTitle(title);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (startUp_.secondStageDelayMs >= 0)
    QTimer::singleShot(startUp_.secondStageDelayMs, this, [this] { finishStartUp(); });
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(keyGate_);
  qApp->removeEventFilter(toolTipSwitch_);
  if (!started_) QApplication::restoreOverrideCursor();
}

SheetEditOutcome MainWindow::applyEdit(const SheetEdit& edit) {
  const SheetEditOutcome outcome = ApplySheetEdit(document_.sheet, edit);
  if (outcome.refusal.empty()) showChangedSheet();
  return outcome;
}

void MainWindow::applyChange(const SheetChange& change, ChangeDirection direction) {
  if (direction == ChangeDirection::Undo) change.undo(document_.sheet);
  else change.redo(document_.sheet);
  showChangedSheet();
}

void MainWindow::showChangedSheet() {
  document_.state.modified = true;
  equationController_->forgetFit();
  frame_->dataTab()->showSheet();
  if (frame_->equationsTab() != nullptr) frame_->equationsTab()->showLeftOutData();
}

void MainWindow::showOptions() {
  const OptionsAnswer answer = ShowOptionsDialog(this, document_.options, {toolTipsOption_ != 0, undoMegabytes_});
  document_.options = answer.options;
  if (!answer.accepted) return;
  toolTipsOption_ = answer.program.showToolTips ? 1 : 0;
  toolTipSwitch_->setShown(answer.program.showToolTips);
  undoMegabytes_ = answer.program.undoMegabytes;
  history_->setByteBudget(UndoBudgetBytes(undoMegabytes_));
  // A drawn graph is drawn again with the new colours once the dialog is
  // gone; one that turns stops first, or Draw would only stop it.
  if (session_.graphDrawn)
    QTimer::singleShot(0, this, [this] {
      frame_->graphTab()->stopRotation();
      frame_->graphTab()->pressDraw();
    });
  document_.state.modified = true;
}

bool MainWindow::askToSaveChanges() { return files_->askSaveChanges(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !shutDown_) {
    if (!files_->askSaveChanges()) {
      event->ignore();
      return;
    }
    // Saved, or the user let the changes go: nothing is left to recover,
    // and the file's lock goes, or passes to another window that has it open.
    recovery_->letGo();
    guard_->release();
    shutDown();
  }
  event->accept();
  // The help window goes with the program.
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->close();
}

}  // namespace rv
