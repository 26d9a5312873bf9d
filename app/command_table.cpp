#include <QAction>
#include <QTabWidget>

#include "widgets/command_ids.h"
#include "app/command_actions.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/sheet_history.h"
#include "app/whats_this_mode.h"
#include "graph/ui/graph_tab.h"
#include "widgets/help.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "stats/ui/statistics_dialog.h"

namespace rv {

// Each command goes to its owner; commands that depend on the tab showing
// are turned into the tab's own command first. Before start-up has finished
// there is nothing to act on, and the commands are disabled as well; a
// greyed command does nothing, whichever way it arrives. Every command
// starts from the sheet as the user sees it, a text being typed included.
void MainWindow::runCommand(int id) {
  if (!started_) return;
  if (const QAction* action = commands_->action(id); action != nullptr && !action->isEnabled()) return;
  dataTab_->commitPendingEdit();
  const int page = tabs_->currentIndex();
  switch (id) {
    case command::kNew: files_->newSheet(); break;
    case command::kOpen: files_->open(); break;
    case command::kImport: files_->importFile(); break;
    case command::kSave: files_->save(); break;
    case command::kSaveAs: files_->saveAs(); break;
    case command::kExportData: files_->exportData(); break;
    case command::kExportGraph: exportGraph(); break;
    case command::kPrint:
      runCommand(page == kDataPage ? command::kPrintData
                 : page == kEquationsPage ? command::kPrintEquation
                                          : command::kPrintGraph);
      break;
    case command::kPrintData: printing_->printData(); break;
    case command::kPrintEquation: printEquation(); break;
    case command::kPrintGraph: printGraph(); break;
    case command::kExit: close(); break;
    case command::kEditMode:
      if (page == kDataPage) dataTab_->toggleEditMode();
      break;
    case command::kCopy:
      if (StatisticsDialog* statistics = statisticsDialog()) {
        statistics->copyPage();
        break;
      }
      runCommand(page == kDataPage ? command::kCopyData
                 : page == kEquationsPage ? command::kCopyEquation
                                          : command::kCopyGraph);
      break;
    case command::kUndo: history_->undo(); break;
    case command::kRedo: history_->redo(); break;
    case command::kCopyData: dataTab_->copySelection(); break;
    case command::kPasteData: dataTab_->paste(); break;
    case command::kCutData:
      nextChangeName_ = QStringLiteral("Cut");
      dataTab_->cutSelection();
      nextChangeName_.clear();
      break;
    case command::kClearData: dataTab_->clearSelection(); break;
    case command::kSelectAll: dataTab_->selectAll(); break;
    case command::kCopyGraph: copyGraph(); break;
    case command::kCopyEquation: copyEquation(); break;
    case command::kInsert: dataTab_->insertAtHeader(); break;
    case command::kDelete: dataTab_->deleteAtHeader(); break;
    case command::kFormat: dataTab_->formatColumn(); break;
    case command::kScale: dataTab_->scaleVariable(); break;
    case command::kVariables: showVariables(); break;
    case command::kHelpTopics: ShowHelpContents(this); break;
    case command::kWhatsThis: whatsThis_->enter(); break;
    case command::kAbout: showAbout(); break;
    case command::kShowData:
    case command::kShowEquations:
    case command::kShowGraph: tabs_->setCurrentIndex(id - command::kShowData); break;
    case command::kCalculate:
      if (page == kEquationsPage) equationsTab_->pressStart();
      else if (page == kGraphPage) graphTab_->pressDraw();
      break;
    case command::kStop: equationsTab_->requestStop(); break;
    case command::kStats:
      if (page == kEquationsPage) equationsTab_->pressStats();
      break;
    case command::kMaximize: toggleMaximized(); break;
    case command::kDraw:
      if (page == kGraphPage) graphTab_->pressDraw();
      break;
    case command::kOptions: showOptions(); break;
    case command::kRotate:
      if (page == kGraphPage) graphTab_->pressRotate();
      break;
    default:
      if (id >= command::kFirstRecentFile && id <= command::kLastRecentFile) files_->openRecent(id);
      break;
  }
}

}  // namespace rv
