#include "widgets/tooltips.h"

#include <QEvent>
#include <QToolTip>
#include <QWidget>
#include <array>

namespace rv {

namespace {

constexpr std::array<const char*, 24> kToolTipTexts = {
    "Close",                         // 401
    "Maximize",                      // 402
    "Minimize",                      // 403
    "Help",                          // 404
    "Menu Items",                    // 405
    "Status Bar",                    // 406
    "Enter Data",                    // 407
    "Regress Equations",             // 408
    "Draw Graph",                    // 409
    "Input Location",                // 410
    "Variable Names",                // 411
    "Data Rows (Points)",            // 412
    "Equation Status",               // 413
    "Start Regression",              // 414
    "Stop Regression",               // 415
    "Show Statistics",               // 416
    "Equation List",                 // 417
    "Rotate Graph",                  // 418
    "Graph Variables",               // 419
    "Set Min, Max and Cons Values",  // 420
    "Auto Update Min and Max",       // 421
    "Graph Variable Values",         // 422
    "Y Name",                        // 423
    "X1 Name",                       // 424
};

}  // namespace

QString ToolTipText(int entry) {
  if (entry < kTipClose || entry > kTipX1Name) return {};
  return QString::fromLatin1(kToolTipTexts[static_cast<size_t>(entry - kTipClose)]);
}

void AddTooltip(QWidget* tool, int entry) { tool->setToolTip(ToolTipText(entry)); }

ToolTipSwitch::ToolTipSwitch(QObject* parent) : QObject(parent) {}

void ToolTipSwitch::setShown(bool shown) {
  shown_ = shown;
  if (!shown) QToolTip::hideText();
}

bool ToolTipSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace rv
