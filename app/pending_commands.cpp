#include "app/pending_commands.h"

#include <QString>

#include "app/copy_graph_dialog.h"
#include "app/widgets/message_dialog.h"

namespace rv {

PendingCommands::PendingCommands(const DataFileSession& session, const EquationList& equations, QWidget* owner)
    : session_(session), equations_(equations), owner_(owner) {}

bool PendingCommands::equationSelected() const {
  return session_.selectedIndex >= 0 && session_.selectedIndex < equations_.size();
}

void PendingCommands::printData() {}

void PendingCommands::printEquation() {}

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

void PendingCommands::copyEquation() {
  if (!equationSelected())
    ShowMessage(QStringLiteral("First select the equation to copy."), owner_, MessageKind::Information);
}

void PendingCommands::showVariables() {}

void PendingCommands::pressStart() {}

void PendingCommands::pressStop() {}

void PendingCommands::pressStats() {}

void PendingCommands::pressDraw() {}

void PendingCommands::pressRotate() {}

}  // namespace rv
