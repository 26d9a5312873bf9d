#include "widgets/context_menu.h"

#include <QMenu>

#include "widgets/command_ids.h"

namespace rv {

namespace {

constexpr struct {
  const char* text;
  int command;
} kItems[] = {{"Calculate", command::kCalculate},
              {"Print", command::kPrint},
              {"Copy", command::kCopy},
              {"Help", command::kHelpTopics}};

}  // namespace

void ShowContextMenu(QWidget* parent, const QPoint& globalPosition, const std::function<void(int)>& command) {
  QMenu menu(parent);
  menu.setObjectName(QStringLiteral("CtxMenu"));
  for (const auto& item : kItems) {
    const int id = item.command;
    QObject::connect(menu.addAction(QString::fromLatin1(item.text)), &QAction::triggered, &menu,
                     [&command, id] { command(id); });
  }
  menu.exec(globalPosition);
}

}  // namespace rv
