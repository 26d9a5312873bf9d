#pragma once

#include <functional>

class QPoint;
class QWidget;

namespace rv {

// The tab pages' context menu "CtxMenu": "Calculate", "Print", "Copy" and
// "Help", each handing its command number to command.
void ShowContextMenu(QWidget* parent, const QPoint& globalPosition, const std::function<void(int)>& command);

}  // namespace rv
