#include <QApplication>
#include <QTabWidget>
#include <QtTest/QTest>

#include "app_fixture.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "widgets/command_ids.h"

namespace rv::testing {
namespace {

// Where the keyboard goes as the user moves between the tabs.
class DataTabFocusTest : public AppTest {
 protected:
  CellEditor* cell() const { return window->frame().dataTab()->cellEditor(); }
  QWidget* focus() const { return QApplication::focusWidget(); }
};

TEST_F(DataTabFocusTest, ACellThatGetsTheKeyboardBackIsReplacedByTheFirstKey) {
  startedWindow();
  QTest::keyClicks(cell(), "12");
  window->runCommand(command::kShowEquations);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 12.0);
  window->runCommand(command::kShowData);
  ASSERT_EQ(focus(), static_cast<QWidget*>(cell()));
  QTest::keyClicks(cell(), "3");
  EXPECT_EQ(cell()->text(), "3");
  QTest::keyClick(cell(), Qt::Key_Down);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 3.0);
}

TEST_F(DataTabFocusTest, SelectAllOnAnotherTabSelectsCellsButLeavesTheKeyboardAlone) {
  startedWindow();
  window->document().sheet.cell(3, 2) = 1.0;
  window->document().sheet.cell(7, 5) = 2.0;
  window->frame().dataTab()->reloadFromDocument();
  for (int page : {command::kShowEquations, command::kShowGraph}) {
    window->runCommand(page);
    window->frame().dataTab()->endRangeSelection();
    QWidget* before = focus();
    QTest::keyClick(before != nullptr ? before : window.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->frame().dataTab()->actedOnRange(), (CellRange{3, 2, 7, 5})) << page;
    EXPECT_NE(focus(), static_cast<QWidget*>(cell())) << page;
    EXPECT_FALSE(window->frame().dataTab()->isAncestorOf(focus())) << page;
    // Keys typed now cannot reach a cell the user cannot see.
    if (focus() != nullptr) QTest::keyClicks(focus(), "5");
    EXPECT_EQ(cell()->text(), "") << page;
  }
  window->runCommand(command::kShowData);
  EXPECT_EQ(focus(), static_cast<QWidget*>(cell()));
  EXPECT_EQ(window->frame().dataTab()->actedOnRange(), (CellRange{3, 2, 7, 5}));
}

TEST_F(DataTabFocusTest, ANewSheetMadeOnAnotherTabLeavesTheKeyboardThere) {
  startedWindow();
  window->runCommand(command::kShowEquations);
  window->runCommand(command::kNew);
  EXPECT_FALSE(window->frame().dataTab()->isAncestorOf(focus()));
  window->runCommand(command::kShowData);
  EXPECT_EQ(focus(), static_cast<QWidget*>(cell()));
}

}  // namespace
}  // namespace rv::testing
