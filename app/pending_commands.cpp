#include "app/pending_commands.h"

#include <QString>

#include "widgets/message_dialog.h"

namespace rv {

PendingCommands::PendingCommands(const DataFileSession& session, QWidget* owner) : session_(session), owner_(owner) {}

void PendingCommands::printGraph() {
  if (!session_.graphDrawn) ShowMessage(QStringLiteral("First draw the graph to print."), owner_, MessageKind::Information);
}

}  // namespace rv
