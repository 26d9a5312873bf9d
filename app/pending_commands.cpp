#include "app/pending_commands.h"

#include <QString>

#include "app/copy_graph_dialog.h"
#include "widgets/message_dialog.h"

namespace rv {

PendingCommands::PendingCommands(const DataFileSession& session, QWidget* owner) : session_(session), owner_(owner) {}

void PendingCommands::printGraph() {
  if (!session_.graphDrawn) ShowMessage(QStringLiteral("First draw the graph to print."), owner_, MessageKind::Information);
}

void PendingCommands::copyGraph() {
  if (!session_.graphDrawn) {
    ShowMessage(QStringLiteral("First draw the graph to copy."), owner_, MessageKind::Information);
    return;
  }
  ShowCopyGraphDialog(owner_);
}

void PendingCommands::showVariables() {}

void PendingCommands::pressDraw() {}

void PendingCommands::pressRotate() {}

}  // namespace rv
