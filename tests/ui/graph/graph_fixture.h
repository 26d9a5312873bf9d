#pragma once

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QtTest/QTest>
#include <initializer_list>

#include "app/app_fixture.h"
#include "graph/ui/graph_canvas.h"
#include "graph/ui/graph_tab.h"
#include "graph/ui/graph_window.h"
#include "regress/ui/equations_tab.h"
#include "widgets/command_ids.h"

namespace rv::testing {

// A main window with the bundled example searched: the best equation,
// ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d, is selected and the Graph tab
// offers X1, X2 and X3.
class GraphTest : public AppTest {
 protected:
  // The bundled example, copied into the test's folder once.
  std::string copiedExample() {
    const std::string path = pathIn("ideal_gas.rvd");
    if (!QFile::exists(QString::fromStdString(path))) EXPECT_TRUE(CopyExample(path));
    return path;
  }

  MainWindow& searchedWindow() {
    startedWindow();
    paths->answers.push_back(copiedExample());
    window->runCommand(command::kOpen);
    window->runCommand(command::kShowEquations);
    window->frame().equationsTab()->pressStart();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->frame().equationsTab()->searchRunning(); }, 60000));
    window->runCommand(command::kShowGraph);
    return *window;
  }

  GraphTab& tab() const { return *window->frame().graphTab(); }
  GraphWindow& graphWindow() const { return *tab().graphWindow(); }
  const QImage& picture() const { return graphWindow().canvas()->picture(); }
  const ViewState& view() const { return window->graphController().state().view; }

  // Selects exactly these rows of the variable list, by clicking them.
  void selectVariables(std::initializer_list<int> rows) {
    QListWidget* list = tab().variableList();
    for (int row = 0; row < list->count(); ++row) {
      const bool wanted = std::find(rows.begin(), rows.end(), row) != rows.end();
      if (list->item(row)->isSelected() == wanted) continue;
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
  }

  // Draws the graph over these rows of the variable list.
  void drawOver(std::initializer_list<int> rows) {
    selectVariables(rows);
    window->runCommand(command::kDraw);
    ASSERT_TRUE(window->session().graphDrawn);
  }
};

}  // namespace rv::testing
