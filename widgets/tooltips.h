#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace rv {

// The tooltip texts of the string table, entries 401 to 424.
enum ToolTipEntry : int {
  kTipClose = 401,
  kTipMaximize = 402,
  kTipMinimize = 403,
  kTipHelp = 404,
  kTipMenuItems = 405,
  kTipStatusBar = 406,
  kTipEnterData = 407,  // the Data tab, and the entry line
  kTipRegressEquations = 408,
  kTipDrawGraph = 409,  // the Graph tab, and the Draw button
  kTipInputLocation = 410,
  kTipVariableNames = 411,
  kTipDataRows = 412,
  kTipEquationStatus = 413,
  kTipStartRegression = 414,
  kTipStopRegression = 415,
  kTipShowStatistics = 416,
  kTipEquationList = 417,
  kTipRotateGraph = 418,
  kTipGraphVariables = 419,
  kTipSetMinMaxCons = 420,
  kTipAutoUpdate = 421,
  kTipGraphValues = 422,
  kTipYName = 423,
  kTipX1Name = 424,
};

// The text of a string-table entry, empty outside 401 to 424.
QString ToolTipText(int entry);

// Gives the tool the tooltip of the string-table entry.
void AddTooltip(QWidget* tool, int entry);

// The Display Tool Tips switch: while it is off no tooltip of the
// application shows. Install it on the application.
class ToolTipSwitch : public QObject {
  Q_OBJECT
 public:
  explicit ToolTipSwitch(QObject* parent = nullptr);
  bool isShown() const { return shown_; }
  void setShown(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};

}  // namespace rv
