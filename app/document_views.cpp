#include "app/document_views.h"

#include <QApplication>
#include <QTabWidget>

#include "app/command_actions.h"
#include "app/equation_controller.h"
#include "app/graph_controller.h"
#include "app/search_controller.h"
#include "app/sheet_history.h"
#include "app/window_frame.h"
#include "app/window_recovery.h"
#include "graph/ui/graph_tab.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"

namespace rv {

void DocumentViews::settleSheet() {
  DataTab* dataTab = parts_.frame.dataTab();
  if (dataTab == nullptr) return;
  dataTab->endRangeSelection();
  dataTab->commitPendingEdit();
}

void DocumentViews::showBusy(const char* status) {
  StatusBar* bar = parts_.frame.statusBar();
  if (status != nullptr) {
    bar->setPaneText(StatusPane::Activity, QString::fromLatin1(status));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  bar->setPaneText(StatusPane::Activity, QStringLiteral("Ready"));
  QApplication::restoreOverrideCursor();
}

void DocumentViews::showOutcome(const Outcome<ViewUpdates>& outcome) {
  const WindowFrame& frame = parts_.frame;
  ViewUpdates updates;
  if (outcome) {
    updates = *outcome;
  } else {
    ShowMessage(QString::fromStdString(outcome.message().text), dialogOwner(), outcome.message().kind);
    // A data file that could not be opened has left the recent files.
    updates.updateRecentFileMenu = true;
  }
  if (updates.notice) ShowMessage(QString::fromStdString(updates.notice->text), dialogOwner(), updates.notice->kind);
  if (updates.updateTitle) updateTitle();
  if (updates.updateRecentFileMenu) parts_.commands.setRecentFiles(parts_.recentFiles.menuItems());
  if (updates.reloadSheet) parts_.history.forget();
  if (updates.reloadSheet && frame.dataTab() != nullptr) frame.dataTab()->reloadFromDocument();
  if (updates.reloadEquationList && frame.equationsTab() != nullptr) {
    parts_.equations.adoptStoredShape();
    parts_.searches.abandon();
    frame.equationsTab()->reloadList(parts_.session.selectedIndex);
    frame.statusBar()->setPaneText(StatusPane::Detail, QString());
  }
  if (updates.reloadGraphVariables && frame.graphTab() != nullptr) frame.graphTab()->showVariables();
  if (updates.releaseGraph && frame.graphTab() != nullptr) parts_.graphs.forget();
  if (updates.pressDraw && frame.graphTab() != nullptr) frame.graphTab()->pressDraw();
  if (updates.focusCurrentCell && frame.tabs()->currentIndex() == WindowFrame::kDataPage && frame.dataTab() != nullptr)
    frame.dataTab()->focusCurrentCell();
  if (!parts_.document.state.modified) parts_.recovery.keep();
}

void DocumentViews::updateTitle() {
  parts_.window.setWindowTitle(QString::fromStdString(WindowTitle(parts_.document.state)));
}

}  // namespace rv
