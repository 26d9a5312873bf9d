#pragma once

#include <QFile>
#include <QTabWidget>
#include <QtTest/QTest>
#include <vector>

#include "app/app_fixture.h"
#include "regress/ui/equation_list_model.h"
#include "regress/ui/equation_list_view.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/status_bar.h"
#include "widgets/sticky_button.h"

namespace rv::testing {

// A started main window on the Equations tab, with helpers to fill the
// sheet, run a search to its end and read the list as shown.
class EquationsTest : public AppTest {
 protected:
  EquationsTab& tab() const { return *window->frame().equationsTab(); }

  // The bundled example opened as the user opens it, from a copy.
  void openExample() {
    const std::string path = pathIn("ideal_gas.rvd");
    ASSERT_TRUE(CopyExample(path));
    makeWindow(path);
    window->finishStartUp();
    window->runCommand(command::kShowEquations);
  }

  void startWithRows(const std::vector<std::vector<double>>& rows) {
    startedWindow();
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size(); ++c) window->document().sheet.cell(int(r), int(c)) = rows[r][c];
    window->frame().dataTab()->reloadFromDocument();
    window->runCommand(command::kShowEquations);
  }

  bool searchEnded(int timeoutMs = 60000) const {
    return QTest::qWaitFor([this] { return !tab().searchRunning() && !tab().startButton()->isPressed(); }, timeoutMs);
  }

  // F9 on the Equations tab, then the search's end.
  void search() {
    window->runCommand(command::kCalculate);
    ASSERT_TRUE(searchEnded());
  }

  int rows() const { return tab().listModel()->rowCount(); }
  const EquationRecord& row(int r) const { return *tab().listModel()->entryAt(r); }
  QString shown(int r, int column) const { return tab().listModel()->index(r, column).data().toString(); }
  QString statusPane(StatusPane pane) const { return window->frame().statusBar()->paneText(pane); }

  // Every dialog a test provokes is answered here; an unexpected one fails
  // the test and is closed.
  ModalAnswers answers;
};

}  // namespace rv::testing
