#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "support/modal_answers.h"
#include "graph/ui/variables_dialog.h"
#include "graph/ui/variables_panel.h"
#include "graph_fixture.h"
#include "sheet/graph_range.h"
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
  MainWindow& openedWindow() {
    startedWindow();
    paths->answers.push_back(std::string(kExampleFile));
    window->runCommand(command::kOpen);
    DataSheet& sheet = window->document().sheet;
    sheet.graphMinimum[1] = 123.0;
    sheet.graphMaximum[1] = 456.0;
    sheet.graphConstant[1] = 200.0;
    return *window;
  }
};

TEST_F(VariablesDialogTest, SetFillsTheBoxesFromTheDataButCancelStoresNothing) {
  openedWindow();
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

TEST_F(VariablesDialogTest, OkStoresNamesValuesAndAutoUpdateAndMarksTheSheetModified) {
  openedWindow();
  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    QLineEdit* name = BoxIn(dialog, VariablesPanel::NameId(1));
    name->clear();
    QTest::keyClicks(name, "Temperature");  // eight characters are kept
    BoxIn(dialog, VariablesPanel::ValueId(2, Box::kMinimumBox))->setText("");
    BoxIn(dialog, VariablesPanel::ValueId(2, Box::kMaximumBox))->setText("2.5e1 litres");
    BoxIn(dialog, VariablesPanel::ValueId(2, Box::kConstantBox))->setText("abc");
    BoxIn(dialog, VariablesPanel::ValueId(3, Box::kMaximumBox))->setText("1e999");
    qobject_cast<QCheckBox*>(FindControl(dialog, VariablesDialog::kAutoUpdateId))->setChecked(false);
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kVariables);
  const DataSheet& sheet = window->document().sheet;
  EXPECT_EQ(sheet.names[1], "Temperat");
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[2]));
  EXPECT_EQ(sheet.graphMaximum[2], 25.0);
  EXPECT_EQ(sheet.graphConstant[2], 0.0) << "text without a number reads as 0";
  EXPECT_TRUE(IsEmptyValue(sheet.graphMaximum[3])) << "a number beyond the double range is no graph value";
  EXPECT_EQ(sheet.graphMinimum[1], 123.0) << "boxes left alone keep their values";
  EXPECT_FALSE(sheet.autoUpdate);
  EXPECT_TRUE(window->document().state.modified);
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
