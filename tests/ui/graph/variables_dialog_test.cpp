#include "graph/ui/variables_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

#include "app/command_actions.h"
#include "graph/ui/variables_panel.h"
#include "graph_fixture.h"
#include "regress/ui/equations_tab.h"
#include "sheet/graph_range.h"
#include "support/modal_answers.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

using Box = VariablesPanel::ValueBox;

QLineEdit* BoxIn(QWidget* dialog, int id) {
  auto* box = qobject_cast<QLineEdit*>(FindControl(dialog, id));
  EXPECT_NE(box, nullptr) << id;
  return box;
}

class VariablesDialogTest : public GraphTest {
 protected:
  // The example opened, with graph values of X1 that differ from its data.
  void SetUp() override {
    startedWindow();
    paths->answers.push_back(copiedExample());
    window->runCommand(command::kOpen);
    DataSheet& sheet = window->document().sheet;
    sheet.graphMinimum[1] = 123.0;
    sheet.graphMaximum[1] = 456.0;
    sheet.graphConstant[1] = 200.0;
  }
};

TEST_F(VariablesDialogTest, SetFillsTheBoxesFromTheDataButCancelStoresNothing) {
  const DataSheet before = window->document().sheet;
  const GraphRange fromData = ComputeGraphRange(before.cells, 1);
  ASSERT_NE(fromData.minimum, 123.0);
  ModalAnswers answers;
  answers.then([&](QWidget* dialog) {
    QLineEdit* minimum = BoxIn(dialog, VariablesPanel::ValueId(1, Box::kMinimumBox));
    EXPECT_EQ(minimum->text(), "123");
    EXPECT_EQ(BoxIn(dialog, VariablesPanel::ValueId(5, Box::kMaximumBox))->text(), "") << "an empty value shows empty";
    EXPECT_EQ(BoxIn(dialog, VariablesPanel::kYNameId)->text(), "Y");
    ClickControl(dialog, VariablesDialog::kSetId);
    EXPECT_EQ(minimum->text().toDouble(), fromData.minimum);
    EXPECT_EQ(BoxIn(dialog, VariablesPanel::ValueId(1, Box::kConstantBox))->text().toDouble(), fromData.constant);
    EXPECT_EQ(BoxIn(dialog, VariablesPanel::ValueId(5, Box::kMinimumBox))->text(), "") << "X5 holds no data";
    BoxIn(dialog, VariablesPanel::NameId(1))->setText("Temp");
    ClickControl(dialog, kAnswerCancel);
  });
  window->runCommand(command::kVariables);
  EXPECT_EQ(answers.dialogNames(), QStringList{"VarsDlg"});
  const DataSheet& after = window->document().sheet;
  EXPECT_EQ(after.graphMinimum, before.graphMinimum);
  EXPECT_EQ(after.graphMaximum, before.graphMaximum);
  EXPECT_EQ(after.graphConstant, before.graphConstant);
  EXPECT_EQ(after.names, before.names);
  EXPECT_FALSE(window->document().state.modified);
}

TEST_F(VariablesDialogTest, OkStoresNamesValuesAndAutoUpdateButRefusesBoxesWithoutANumber) {
  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    QLineEdit* name = BoxIn(dialog, VariablesPanel::NameId(1));
    name->clear();
    QTest::keyClicks(name, "Temperature");  // eight characters are kept
    QLineEdit* minimum = BoxIn(dialog, VariablesPanel::ValueId(2, Box::kMinimumBox));
    QLineEdit* maximum = BoxIn(dialog, VariablesPanel::ValueId(2, Box::kMaximumBox));
    QLineEdit* constant = BoxIn(dialog, VariablesPanel::ValueId(2, Box::kConstantBox));
    QLineEdit* huge = BoxIn(dialog, VariablesPanel::ValueId(3, Box::kMaximumBox));
    minimum->setText("");
    maximum->setText("2.5e1 litres");
    constant->setText("abc");
    huge->setText("1e999");
    qobject_cast<QCheckBox*>(FindControl(dialog, VariablesDialog::kAutoUpdateId))->setChecked(false);
    ClickControl(dialog, kAnswerOk);
    // Nothing is stored as 0 in silence: the boxes are marked, the dialog stays.
    EXPECT_TRUE(dialog->isVisible());
    for (QLineEdit* box : {maximum, constant, huge})
      EXPECT_TRUE(box->property("refused").toBool()) << box->text().toStdString();
    EXPECT_FALSE(minimum->property("refused").toBool()) << "an empty box is an empty value";
    maximum->setText(" 2.5e1 ");
    constant->setText("-3");
    huge->setText("+7");
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kVariables);
  const DataSheet& sheet = window->document().sheet;
  EXPECT_EQ(sheet.names[1], "Temperat");
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[2]));
  EXPECT_EQ(sheet.graphMaximum[2], 25.0);
  EXPECT_EQ(sheet.graphConstant[2], -3.0);
  EXPECT_EQ(sheet.graphMaximum[3], 7.0);
  EXPECT_EQ(sheet.graphMinimum[1], 123.0) << "boxes left alone keep their values";
  EXPECT_FALSE(sheet.autoUpdate);
  EXPECT_TRUE(window->document().state.modified);
}

// Auto Update at a Draw replaces the graph values with the data's: a change
// of the sheet like any other, so the sheet is marked modified and Undo gives
// the values back; a Draw that finds them as they are adds no step.
TEST_F(VariablesDialogTest, AutoUpdateAtADrawIsAStepThatUndoTakesBack) {
  ASSERT_TRUE(window->document().sheet.autoUpdate);
  window->runCommand(command::kShowEquations);
  window->frame().equationsTab()->pressStart();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !window->frame().equationsTab()->searchRunning(); }, 60000));
  window->runCommand(command::kShowGraph);
  window->document().state.modified = false;

  drawOver({0});
  const DataSheet& sheet = window->document().sheet;
  EXPECT_EQ(sheet.graphMinimum[1], ComputeGraphRange(sheet.cells, 1).minimum);
  EXPECT_TRUE(window->document().state.modified);
  EXPECT_EQ(window->commands().action(command::kUndo)->text(), "Und&o Draw\tCtrl+Z");
  window->runCommand(command::kDraw);
  window->runCommand(command::kUndo);
  EXPECT_EQ(sheet.graphMinimum[1], 123.0);
  EXPECT_EQ(sheet.graphMaximum[1], 456.0);
  EXPECT_EQ(sheet.graphConstant[1], 200.0);
}

TEST_F(VariablesDialogTest, RenamingYKeepsTinyGraphValuesBitForBit) {
  DataSheet& sheet = window->document().sheet;
  sheet.graphMinimum[1] = 1.234567890123456e-25;
  sheet.graphMaximum[1] = 2.0e-25 / 3.0;
  sheet.graphConstant[1] = std::nextafter(1.5e-25, 1.0);
  sheet.graphMaximum[2] = 73354588.123456789;
  const DataSheet before = sheet;
  ModalAnswers answers;
  answers.then([&](QWidget* dialog) {
    // Shown with every digit the value needs, not as 0.
    const QString shown = BoxIn(dialog, VariablesPanel::ValueId(1, Box::kMaximumBox))->text();
    EXPECT_EQ(shown.toDouble(), before.graphMaximum[1]) << shown.toStdString();
    QLineEdit* name = BoxIn(dialog, VariablesPanel::kYNameId);
    name->setText("Pressure");
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kVariables);
  EXPECT_EQ(window->document().sheet.names[0], "Pressure");
  EXPECT_EQ(window->document().sheet.graphMinimum, before.graphMinimum);
  EXPECT_EQ(window->document().sheet.graphMaximum, before.graphMaximum);
  EXPECT_EQ(window->document().sheet.graphConstant, before.graphConstant);
}

TEST(VariablesPanel, EveryRowsValueBoxSharesTheHelpOfItsColumn) {
  EXPECT_EQ(VariablesPanel::HelpId(VariablesPanel::ValueId(1, Box::kMinimumBox)), 204);
  EXPECT_EQ(VariablesPanel::HelpId(VariablesPanel::ValueId(7, Box::kMaximumBox)), 205);
  EXPECT_EQ(VariablesPanel::HelpId(VariablesPanel::ValueId(16, Box::kConstantBox)), 206);
  EXPECT_EQ(VariablesPanel::HelpId(VariablesPanel::NameId(9)), VariablesPanel::NameId(9));
  EXPECT_EQ(VariablesPanel::HelpId(VariablesPanel::LabelId(16)), 277);
  EXPECT_EQ(VariablesPanel::HelpId(VariablesDialog::kSetId), VariablesDialog::kSetId);
}

}  // namespace
}  // namespace rv::testing
