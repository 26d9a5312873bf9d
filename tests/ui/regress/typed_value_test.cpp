#include <QApplication>
#include <QClipboard>

#include "equations_fixture.h"
#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_grid.h"
#include "stats/copy_texts.h"
#include "stats/ui/statistics_dialog.h"

namespace rv::testing {
namespace {

// Every command that reads the sheet sees a value the user has typed into a
// cell and not yet moved away from, just as the user sees it.
class TypedValueTest : public EquationsTest {
 protected:
  // Six points of Y = 2 X1 + 1 with a little noise, and a seventh row with
  // X1 but no Y yet.
  void SetUp() override {
    const double noise[] = {0.01, -0.02, 0.015, 0.0, -0.01, 0.02};
    std::vector<std::vector<double>> rows;
    rows.reserve(6);
    for (int i = 0; i < 6; ++i) rows.push_back({2.0 * (i + 1) + 1.0 + noise[i], i + 1.0});
    startWithRows(rows);
    window->document().sheet.cell(6, 1) = 7.0;
    window->frame().dataTab()->reloadFromDocument();
  }

  // Clicks the cell on the Data tab and types the text, leaving it uncommitted.
  void typeInto(CellPosition cell, const char* text) {
    window->runCommand(command::kShowData);
    DataGrid* grid = window->frame().dataTab()->grid();
    const QPoint centre = grid->visualCellRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    ASSERT_EQ(window->frame().dataTab()->currentCell(), cell);
    QTest::keyClicks(window->frame().dataTab()->cellEditor(), text);
  }

  std::string expectedCopy(const EquationRecord& entry) const {
    const SearchData data = TakeSearchSnapshot(window->document().sheet.cells);
    FitWorkspace workspace;
    EXPECT_TRUE(RecreateEquation(workspace, data, MakeSearchShape(data, window->document().options), entry.ordinal));
    return CopyCoefficientsText(workspace);
  }
};

TEST_F(TypedValueTest, StartSearchesWithTheValueTypedIntoAnEmptyY) {
  typeInto({6, 0}, "15");
  window->runCommand(command::kShowEquations);
  search();
  EXPECT_EQ(window->document().sheet.cell(6, 0), 15.0);
  EXPECT_EQ(window->document().pointCount, 7);
}

TEST_F(TypedValueTest, CopyEquationFromTheMenuReCreatesWithTheTypedValue) {
  search();
  ASSERT_GT(rows(), 0);
  typeInto({0, 0}, "3.5");
  window->runCommand(command::kCopyEquation);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 3.5);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expectedCopy(row(0)));
}

TEST_F(TypedValueTest, StatsReCreatesWithTheValueTypedBeforeLeavingTheDataTab) {
  search();
  ASSERT_GT(rows(), 0);
  typeInto({1, 0}, "4.75");
  QTest::keyClick(window->frame().dataTab()->cellEditor(), Qt::Key_Q, Qt::AltModifier);
  ASSERT_EQ(window->frame().tabs()->currentIndex(), WindowFrame::kEquationsPage);
  double observed = 0.0;
  answers.then([&](QWidget* dialog) {
    observed = window->equationController().workspace().observedY[1];
    ClickControl(dialog, StatisticsDialog::kCloseButtonId);
  });
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(observed, 4.75);
  EXPECT_EQ(window->document().sheet.cell(1, 0), 4.75);
}

TEST_F(TypedValueTest, AnEditAfterAnEquationWasShownMakesItReCreatedFromTheNewValues) {
  search();
  ASSERT_GT(rows(), 0);
  window->runCommand(command::kCopyEquation);
  const std::string before = QGuiApplication::clipboard()->text().toStdString();
  typeInto({2, 0}, "9.5");
  QTest::keyClick(window->frame().dataTab()->cellEditor(), Qt::Key_Down);
  window->runCommand(command::kCopyEquation);
  EXPECT_NE(QGuiApplication::clipboard()->text().toStdString(), before);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expectedCopy(row(0)));
}

}  // namespace
}  // namespace rv::testing
