#include <QAction>
#include <QTabWidget>

#include "app/about_dialog.h"
#include "app/command_actions.h"
#include "app/equation_controller.h"
#include "app/file_commands.h"
#include "app/graph_controller.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/search_controller.h"
#include "app/sheet_history.h"
#include "app/whats_this_mode.h"
#include "app/window_frame.h"
#include "graph/ui/graph_tab.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/command_ids.h"
#include "widgets/help.h"

namespace rv {

// Each command goes to its owner; commands that depend on the tab showing
// are turned into the tab's own command first. Before start-up has finished
// there is nothing to act on, and the commands are disabled as well; a
// greyed command does nothing, whichever way it arrives. Every command
// starts from the sheet as the user sees it, a text being typed included.
void MainWindow::runCommand(int id) {
  if (!started_) return;
  if (const QAction* action = commands_->action(id); action != nullptr && !action->isEnabled()) return;
  DataTab* dataTab = frame_->dataTab();
  EquationsTab* equationsTab = frame_->equationsTab();
  GraphTab* graphTab = frame_->graphTab();
  dataTab->commitPendingEdit();
  const int page = frame_->tabs()->currentIndex();
  constexpr int kDataPage = WindowFrame::kDataPage;
  constexpr int kEquationsPage = WindowFrame::kEquationsPage;
  constexpr int kGraphPage = WindowFrame::kGraphPage;
  switch (id) {
    case command::kNew: files_->newSheet(); break;
    case command::kOpen: files_->open(); break;
    case command::kImport: files_->importFile(); break;
    case command::kSave: files_->save(); break;
    case command::kSaveAs: files_->saveAs(); break;
    case command::kExportData: files_->exportData(); break;
    case command::kExportGraph: graphs_->exportPicture(*files_); break;
    case command::kPrint:
      runCommand(page == kDataPage        ? command::kPrintData
                 : page == kEquationsPage ? command::kPrintEquation
                                          : command::kPrintGraph);
      break;
    case command::kPrintData: printing_->printData(); break;
    case command::kPrintEquation: equationController_->printEquation(); break;
    case command::kPrintGraph: graphs_->print(); break;
    case command::kExit: close(); break;
    case command::kEditMode:
      if (page == kDataPage) dataTab->toggleEditMode();
      break;
    case command::kCopy:
      if (StatisticsDialog* statistics = equationController_->statisticsDialog()) {
        statistics->copyPage();
        break;
      }
      runCommand(page == kDataPage        ? command::kCopyData
                 : page == kEquationsPage ? command::kCopyEquation
                                          : command::kCopyGraph);
      break;
    case command::kUndo: history_->undo(); break;
    case command::kRedo: history_->redo(); break;
    case command::kCopyData: dataTab->copySelection(); break;
    case command::kPasteData: dataTab->paste(); break;
    case command::kCutData:
      history_->setEditName(QStringLiteral("Cut"));
      dataTab->cutSelection();
      history_->setEditName(QString());
      break;
    case command::kClearData: dataTab->clearSelection(); break;
    case command::kSelectAll: dataTab->selectAll(); break;
    case command::kCopyGraph: graphs_->copy(); break;
    case command::kCopyEquation: equationController_->copyEquation(); break;
    case command::kInsert: dataTab->insertAtHeader(); break;
    case command::kDelete: dataTab->deleteAtHeader(); break;
    case command::kFormat: dataTab->formatColumn(); break;
    case command::kScale: dataTab->scaleVariable(); break;
    case command::kVariables: graphs_->showVariables(); break;
    case command::kHelpTopics: ShowHelpContents(this); break;
    case command::kWhatsThis: whatsThis_->enter(); break;
    case command::kAbout:
      ShowAboutDialog(this);
      if (page == kDataPage) dataTab->focusCurrentCell();
      break;
    case command::kShowData:
    case command::kShowEquations:
    case command::kShowGraph: frame_->tabs()->setCurrentIndex(id - command::kShowData); break;
    case command::kCalculate:
      if (page == kEquationsPage) equationsTab->pressStart();
      else if (page == kGraphPage) graphTab->pressDraw();
      break;
    case command::kStop: searches_->requestStop(); break;
    case command::kStats:
      if (page == kEquationsPage) equationsTab->pressStats();
      break;
    case command::kMaximize:
      if (isMaximized()) showNormal();
      else showMaximized();
      break;
    case command::kDraw:
      if (page == kGraphPage) graphTab->pressDraw();
      break;
    case command::kOptions: showOptions(); break;
    case command::kRotate:
      if (page == kGraphPage) graphTab->pressRotate();
      break;
    default:
      if (id >= command::kFirstRecentFile && id <= command::kLastRecentFile) files_->openRecent(id);
      break;
  }
}

}  // namespace rv
