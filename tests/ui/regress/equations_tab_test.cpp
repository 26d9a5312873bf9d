#include <QComboBox>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

#include "equations_fixture.h"
#include "regress/enumeration.h"
#include "regress/ui/ranking_choice.h"
#include "regress/ui/set_status_lines.h"
#include "sheet/value_text.h"
#include "support/search_sheets.h"
#include "widgets/help.h"
#include "widgets/help_window.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

using EquationsTabTest = EquationsTest;

// Repeated Y values and a variable equal to Y: many candidates tie.
std::vector<std::vector<double>> TyingRows() {
  std::vector<std::vector<double>> rows;
  rows.reserve(9);
  for (int i = 0; i < 9; ++i) rows.push_back({(i % 3) + 1.0, 2.0, 1.0 + i, (i % 3) + 1.0});
  return rows;
}

int SlotOf(const EquationList& equations, const EquationRecord& entry) {
  for (int slot = 0; slot < equations.size(); ++slot)
    if (&equations.slot(slot) == &entry) return slot;
  return -1;
}

TEST_F(EquationsTabTest, ASearchListsEveryEntryBestFirstWithTiesInSlotOrder) {
  startWithRows(TyingRows());
  window->document().options.maxTerms = 3;
  window->document().state.modified = false;
  search();

  const EquationList& equations = window->equations();
  ASSERT_GT(rows(), 1);
  EXPECT_EQ(rows(), equations.size());
  int ties = 0;
  for (int r = 0; r + 1 < rows(); ++r) {
    ASSERT_GE(row(r).rSquared, row(r + 1).rSquared) << "row " << r;
    if (row(r).rSquared == row(r + 1).rSquared) {
      ++ties;
      EXPECT_LT(SlotOf(equations, row(r)), SlotOf(equations, row(r + 1))) << "row " << r;
    }
  }
  EXPECT_GT(ties, 0) << "the sheet is meant to make candidates tie";

  // The best entry is selected, the run's counts and the set lines are shown.
  EXPECT_EQ(tab().list()->selectedRow(), 0);
  EXPECT_EQ(window->session().selectedIndex, 0);
  SearchShape shape;
  shape.variables = 3;
  shape.maxTerms = 3;
  EXPECT_EQ(statusPane(StatusPane::Activity), "Ready");
  // The count of candidates, then what was refused and why.
  const QString detail = statusPane(StatusPane::Detail);
  EXPECT_TRUE(detail.startsWith(QString::number(CountCandidates(shape)) + "; refused: ")) << detail.toStdString();
  EXPECT_TRUE(detail.contains(QStringLiteral(" outside the range of a transform or term"))) << detail.toStdString();
  for (int line = 0; line < 6; ++line) {
    EXPECT_EQ(tab().statusLines()->lineText(line), QStringLiteral("Set %1").arg(line + 1));
    EXPECT_TRUE(tab().statusLines()->lineChecked(line));
  }
  EXPECT_EQ(tab().statusLines()->lineText(6), "");
  EXPECT_FALSE(window->frame().progressBar()->isVisible());
  EXPECT_TRUE(window->document().state.modified);
  EXPECT_EQ(window->document().pointCount, 9);
  EXPECT_EQ(window->document().columnCount, 4);

  // One point left: the message, and the list and texts stay as they were.
  const int listed = rows();
  for (int r = 1; r < 9; ++r) window->document().sheet.cell(r, 0) = EmptyValue;
  answers.answer(kAnswerOk);
  window->runCommand(command::kCalculate);
  EXPECT_EQ(answers.messageTexts(), QStringList{"Enter the data to regress\non the Data tab."});
  EXPECT_EQ(answers.dialogNames(), QStringList{"MSGDLG1"});
  EXPECT_FALSE(tab().startButton()->isPressed());
  EXPECT_FALSE(tab().searchRunning());
  EXPECT_EQ(rows(), listed);
  EXPECT_EQ(statusPane(StatusPane::Detail), detail);
  EXPECT_EQ(window->document().pointCount, 9);
}

TEST_F(EquationsTabTest, TheListsContextMenuRaisesItsCommands) {
  startWithRows(TyingRows());
  QStringList items;
  QTimer::singleShot(50, [&items] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "CtxMenu");
    for (QAction* action : menu->actions()) items << action->text();
    menu->actions().first()->trigger();
    menu->close();
  });
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20), tab().list()->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(tab().list()->viewport(), &request);
  EXPECT_EQ(items, (QStringList{"Calculate", "Print", "Copy", "Help"}));
  ASSERT_TRUE(searchEnded());
  EXPECT_GT(rows(), 0);
}

// A pendulum's period over its length, with 1 % noise.
std::vector<std::vector<double>> PendulumRows() {
  std::uint32_t state = 77;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 30; ++i) {
    const double length = 0.2 + 0.1 * i;
    rows.push_back({2.0 * 3.14159265 * std::sqrt(length / 9.81) * (1.0 + 0.02 * Noise(state)), length});
  }
  return rows;
}

// The drop-down is reached with Alt+K and chosen with the arrow keys; the
// next search ranks by it, shows its values in their own column and names it
// under the drop-down; the choice is kept in the settings file.
TEST_F(EquationsTabTest, RanksByTheChosenCriterionAndKeepsTheChoice) {
  startWithRows(PendulumRows());
  QComboBox* dropDown = tab().rankingChoice()->dropDown();
  EXPECT_EQ(dropDown->currentText(), "R squared");
  QTest::keyClick(window.get(), Qt::Key_K, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), dropDown);
  QTest::keyClick(dropDown, Qt::Key_Down);
  QTest::keyClick(dropDown, Qt::Key_Down);
  EXPECT_EQ(dropDown->currentText(), "AICc");
  QTest::keyClick(dropDown, Qt::Key_F1);
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shownAnchor(), HelpTopicAnchor(RankingChoice::kId));
  help->close();
  search();

  ASSERT_GT(rows(), 1);
  EXPECT_EQ(window->equations().criterion(), RankingCriterion::Aicc);
  double best = row(0).score.value(RankingCriterion::Aicc);
  for (int r = 1; r < rows(); ++r) EXPECT_LE(best, row(r).score.value(RankingCriterion::Aicc)) << r;
  EXPECT_EQ(shown(0, EquationListModel::kCriterionColumn).toStdString(), FormatText(" %f", best));
  EXPECT_EQ(shown(0, EquationListModel::kCoefficientsColumn), QString::number(row(0).score.coefficients));
  EXPECT_FALSE(tab().list()->isColumnHidden(EquationListModel::kCriterionColumn));
  EXPECT_EQ(tab().rankingChoice()->listLine(), "Listed by AICc");

  window->shutDown();
  window.reset();
  startedWindow();
  EXPECT_EQ(tab().rankingChoice()->dropDown()->currentText(), "AICc");
}

// The data file's fields cut an ordinal to 8 characters and an equation to
// 128; the list shows both whole, its columns as wide as they need.
TEST_F(EquationsTabTest, TheListShowsLongOrdinalsAndEquationsWhole) {
  startedWindow();
  std::string longText = "Y = a";
  while (longText.size() < 200) longText += " + b/X1";
  window->equations().setSingleEntry(MakeEquationRecord(0.5, 626118126, longText));
  window->session().selectedIndex = 0;
  window->runCommand(command::kShowEquations);
  tab().reloadList(0);
  ASSERT_EQ(rows(), 1);
  EXPECT_EQ(shown(0, EquationListModel::kOrdinalColumn), "626118126");
  EXPECT_EQ(shown(0, EquationListModel::kEquationColumn).toStdString(), longText);
  const QFontMetrics metrics(tab().list()->font());
  for (int column : {EquationListModel::kOrdinalColumn, EquationListModel::kEquationColumn})
    EXPECT_GT(tab().list()->columnWidth(column), metrics.horizontalAdvance(shown(0, column))) << column;
}

}  // namespace
}  // namespace rv::testing
