#pragma once

#include <QWidget>

#include "files/data_file_session.h"
#include "graph/graph_state.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace rv {

class GraphOwner;
class GraphWindow;
class StickyButton;

// What the Graph tab shows and whom it asks: the owner holds the graph and
// the session with the variable list and the drawn flag, and changes them.
struct GraphTabContext {
  const GraphState& graph;
  const DataFileSession& session;
  GraphOwner& owner;
};

// "GrphTab": Draw and Rotate, the list of the equation's variables to
// graph, the Y range (empty for an automatic one), the view angles and the
// graph window. Rotate turns the graph one
// degree every 100 ms until it is pressed again, Draw is pressed or the tab
// is left; the graph window's scroll bar then stands where the graph stopped.
class GraphTab : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kDrawId = 402;
  static constexpr int kRotateId = 403;
  static constexpr int kVariableListId = 410;
  static constexpr int kYMinimumId = 411;
  static constexpr int kYMaximumId = 412;
  static constexpr int kRotationPeriodMs = 100;

  explicit GraphTab(GraphTabContext context, QWidget* parent = nullptr);

  void pressDraw();
  void pressRotate();
  // Stops a rotation; the graph stays at the angle it reached.
  void stopRotation();
  // The variable list shown anew from the session.
  void showVariables();
  // The graph shown anew after the owner changed or forgot it: its angles,
  // the scroll bars and the picture. A forgotten graph stops rotating.
  void showGraph();
  // After a failed check of the selected variables the keyboard goes to the list.
  void focusVariableList();

  bool rotating() const { return rotating_; }
  StickyButton* rotateButton() const { return rotate_; }
  QListWidget* variableList() const { return list_; }
  QLineEdit* yMinimumBox() const { return yMinimum_; }
  QLineEdit* yMaximumBox() const { return yMaximum_; }
  GraphWindow* graphWindow() const { return window_; }
  QLabel* horizontalAngle() const { return horizontalAngle_; }
  QLabel* verticalAngle() const { return verticalAngle_; }

 signals:
  // A context-menu item, for the main window's command table.
  void commandRequested(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void drawPressed();
  void rotatePressed();
  void rotationTick();
  void showNewGraph();
  void showAngles();
  void variablesSelected();
  void yRangeTyped();
  // The main window's client area below the caption, which the tab's
  // places are measured from.
  int clientWidth() const;
  int clientHeight() const;

  GraphTabContext context_;
  bool rotating_ = false;
  QPushButton* draw_;
  StickyButton* rotate_;
  QListWidget* list_;
  QLineEdit* yMinimum_;
  QLineEdit* yMaximum_;
  QLabel* yMinimumLabel_;
  QLabel* yMaximumLabel_;
  GraphWindow* window_;
  QLabel* horizontalAngle_;
  QLabel* verticalAngle_;
  QTimer* rotation_;
};

}  // namespace rv
