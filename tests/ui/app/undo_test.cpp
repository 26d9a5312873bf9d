#include <QLineEdit>
#include <QUndoStack>
#include <QtTest/QTest>
#include <cstring>

#include "app/app_fixture.h"
#include "app/command_actions.h"
#include "app/sheet_history.h"
#include "graph/ui/variables_dialog.h"
#include "graph/ui/variables_panel.h"
#include "regress/ui/equations_tab.h"
#include "sheet/scale_variable.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "sheet/value_text.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// Everything a change of the sheet can touch, compared byte for byte, so
// that -0 and 0 differ.
bool SameBytes(const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult SameSheet(const DataSheet& a, const DataSheet& b) {
  if (!SameBits(a.cells, b.cells)) return ::testing::AssertionFailure() << "cells differ";
  if (a.names != b.names) return ::testing::AssertionFailure() << "names differ";
  if (a.formats != b.formats) return ::testing::AssertionFailure() << "formats differ";
  if (!SameBytes(a.graphMinimum, b.graphMinimum) || !SameBytes(a.graphMaximum, b.graphMaximum) ||
      !SameBytes(a.graphConstant, b.graphConstant))
    return ::testing::AssertionFailure() << "graph values differ";
  if (a.columnBoundaries != b.columnBoundaries) return ::testing::AssertionFailure() << "widths differ";
  if (a.autoUpdate != b.autoUpdate) return ::testing::AssertionFailure() << "Auto Update differs";
  return ::testing::AssertionSuccess();
}

// A full sheet of 99 x 17 values that print and read back exactly, some
// awkward (negative zero, the smallest subnormal, a tenth), some empty.
QString FullSheetText(double offset) {
  QString text;
  for (int r = 0; r < kSheetRows; ++r) {
    for (int c = 0; c < kSheetColumns; ++c) {
      const int k = r * kSheetColumns + c;
      const double value = k % 13 == 1 ? -0.0 : k % 29 == 2 ? 4.9406564584124654e-324 : (k + offset) / 7.0;
      if (k % 11 != 5) text += QString::number(value, 'g', 17);
      text += c + 1 < kSheetColumns ? "\t" : "\r\n";
    }
  }
  return text;
}

class UndoTest : public AppTest {
 protected:
  void SetUp() override { startedWindow(); }

  const DataSheet& sheet() const { return window->document().sheet; }
  QAction* item(int id) const { return window->commands().action(id); }
  QString itemText(int id) const { return item(id)->text(); }

  // An edit as the Data tab reports it from its header menus and dialogs.
  void edit(const SheetEdit& change) { emit window->frame().dataTab()->sheetEdited(change); }
  void keys(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(window->frame().dataTab()->cellEditor(), static_cast<Qt::Key>(key), modifiers);
  }
};

TEST_F(UndoTest, AFullPasteIsOneStepThatUndoTakesBackAndRedoRepeatsBitForBit) {
  EXPECT_FALSE(item(command::kUndo)->isEnabled());
  EXPECT_FALSE(item(command::kRedo)->isEnabled());
  EXPECT_EQ(itemText(command::kUndo), "Und&o\tCtrl+Z");
  EXPECT_EQ(itemText(command::kRedo), "&Redo\tCtrl+Y");

  paste(FullSheetText(0.5));
  const DataSheet first = sheet();
  paste(FullSheetText(1000.25));
  const DataSheet second = sheet();
  ASSERT_FALSE(SameSheet(first, second));
  EXPECT_EQ(window->history().steps().steps(), 2u);
  EXPECT_EQ(itemText(command::kUndo), "Und&o Paste\tCtrl+Z");

  window->runCommand(command::kUndo);
  EXPECT_TRUE(SameSheet(sheet(), first));
  EXPECT_EQ(itemText(command::kRedo), "&Redo Paste\tCtrl+Y");
  EXPECT_TRUE(item(command::kRedo)->isEnabled());
  window->runCommand(command::kUndo);
  EXPECT_TRUE(SameSheet(sheet(), DataSheet{}));
  EXPECT_FALSE(item(command::kUndo)->isEnabled());
  EXPECT_EQ(itemText(command::kUndo), "Und&o\tCtrl+Z");

  window->runCommand(command::kRedo);
  EXPECT_TRUE(SameSheet(sheet(), first));
  window->runCommand(command::kRedo);
  EXPECT_TRUE(SameSheet(sheet(), second));
  EXPECT_FALSE(item(command::kRedo)->isEnabled());
  // The entry line shows the current cell as the sheet holds it now.
  window->runCommand(command::kUndo);
  EXPECT_EQ(window->frame().dataTab()->entryLine()->text(),
            QString::fromStdString(FormatValueText(first.cell(0, 0), ValueTextMode::General)));
  ASSERT_NE(first.cell(0, 0), second.cell(0, 0));
}

TEST_F(UndoTest, TheKeysUndoAndRedoFromTheGrid) {
  paste("1\t2\r\n");
  keys(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(IsEmptyValue(sheet().cell(0, 0)));
  keys(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(sheet().cell(0, 1), 2.0);
  keys(Qt::Key_Z, Qt::ControlModifier);
  keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(sheet().cell(0, 0), 1.0);
}

TEST_F(UndoTest, InsertFormatAndScaleUndoneThreeTimesGiveBackTheExactSheet) {
  paste(FullSheetText(3.0));
  const DataSheet original = sheet();

  edit(ColumnInserted{2});
  edit(ColumnFormatted{3, {FormatKind::Scientific, 4}});
  // The Scale dialog reports the column as its steps left it.
  SheetValues preview = sheet().cells;
  ScaleColumn(preview, 1, ScaleOperation::Multiply, 3.0);
  const ColumnValues scaled = SaveColumn(preview, 1);
  edit(ColumnScaled{1, scaled});
  EXPECT_EQ(itemText(command::kUndo), "Und&o Scale\tCtrl+Z");
  ASSERT_TRUE(IsEmptyValue(sheet().cell(0, 2)));
  ASSERT_EQ(sheet().formats[3].kind, FormatKind::Scientific);
  ASSERT_EQ(sheet().cell(1, 1), 3.0 * original.cell(1, 1));

  window->runCommand(command::kUndo);
  EXPECT_EQ(itemText(command::kUndo), "Und&o Format\tCtrl+Z");
  EXPECT_EQ(itemText(command::kRedo), "&Redo Scale\tCtrl+Y");
  window->runCommand(command::kUndo);
  EXPECT_EQ(itemText(command::kUndo), "Und&o Insert Column\tCtrl+Z");
  window->runCommand(command::kUndo);
  EXPECT_TRUE(SameSheet(sheet(), original));
  EXPECT_EQ(itemText(command::kUndo), "Und&o Paste\tCtrl+Z");
}

TEST_F(UndoTest, NewAndOpenLeaveNothingToUndoOrRedo) {
  paste("1\t2\r\n");
  paste("3\r\n");
  window->runCommand(command::kUndo);
  ASSERT_TRUE(item(command::kUndo)->isEnabled());
  ASSERT_TRUE(item(command::kRedo)->isEnabled());

  ModalAnswers answers;
  answers.answer(kAnswerNo);
  window->runCommand(command::kNew);
  EXPECT_FALSE(item(command::kUndo)->isEnabled());
  EXPECT_FALSE(item(command::kRedo)->isEnabled());
  EXPECT_EQ(itemText(command::kUndo), "Und&o\tCtrl+Z");
  EXPECT_EQ(itemText(command::kRedo), "&Redo\tCtrl+Y");
  window->runCommand(command::kUndo);
  EXPECT_TRUE(SameSheet(sheet(), DataSheet{}));

  paste("5\r\n");
  paths->answers.push_back(pathIn("kept.rvd"));
  window->runCommand(command::kSaveAs);
  paths->answers.push_back(pathIn("kept.rvd"));
  window->runCommand(command::kOpen);
  EXPECT_FALSE(item(command::kUndo)->isEnabled());
  EXPECT_EQ(window->history().steps().steps(), 0u);
}

TEST_F(UndoTest, TextBeingTypedIsTheFirstStepUndoTakesBack) {
  paste("4\r\n");
  QTest::keyClicks(window->frame().dataTab()->cellEditor(), "7.5");
  EXPECT_EQ(itemText(command::kUndo), "Und&o Typing\tCtrl+Z");
  EXPECT_FALSE(item(command::kRedo)->isEnabled()) << "committing the text ends every redo";

  window->runCommand(command::kUndo);
  EXPECT_EQ(sheet().cell(0, 0), 4.0);
  EXPECT_EQ(window->frame().dataTab()->cellEditor()->text(), "4");
  EXPECT_EQ(itemText(command::kUndo), "Und&o Paste\tCtrl+Z");
  window->runCommand(command::kRedo);
  EXPECT_EQ(sheet().cell(0, 0), 7.5);
  EXPECT_EQ(window->frame().dataTab()->cellEditor()->text(), "7.5");
}

// Copy Equation fits the best equation of a search; after Undo the fit
// belongs to the sheet as it was, so it is made again before its next use.
TEST_F(UndoTest, UndoMarksTheSheetModifiedAndTheEquationIsFittedAgain) {
  paste("5\t1\r\n8\t2\r\n11.5\t3\r\n14\t4\r\n17\t5\r\n");
  window->document().options.maxTerms = 2;
  window->runCommand(command::kShowEquations);
  window->frame().equationsTab()->pressStart();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !window->frame().equationsTab()->searchRunning(); }, 60000));
  ASSERT_EQ(window->session().selectedIndex, 0);
  paths->answers.push_back(pathIn("saved.rvd"));
  window->runCommand(command::kSaveAs);
  ASSERT_FALSE(window->document().state.modified);
  window->runCommand(command::kCopyEquation);
  ASSERT_NE(window->equationController().workspace().lastFittedOrdinal, 0);

  window->runCommand(command::kUndo);
  EXPECT_TRUE(window->document().state.modified);
  EXPECT_EQ(window->equationController().workspace().lastFittedOrdinal, 0);
}

TEST_F(UndoTest, CutIsNamedForWhatTheUserDid) {
  paste("1\t2\r\n");
  window->runCommand(command::kCutData);
  EXPECT_TRUE(IsEmptyValue(sheet().cell(0, 0)));
  EXPECT_EQ(itemText(command::kUndo), "Und&o Cut\tCtrl+Z");
  window->runCommand(command::kClearData);
  EXPECT_EQ(itemText(command::kUndo), "Und&o Clear\tCtrl+Z");
  window->runCommand(command::kUndo);
  window->runCommand(command::kUndo);
  EXPECT_EQ(sheet().cell(0, 0), 1.0);
}

TEST_F(UndoTest, TheVariablesDialogsNamesAndValuesAreOneStep) {
  paste("1\t2\r\n3\t4\r\n");
  const DataSheet before = sheet();
  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    qobject_cast<QLineEdit*>(FindControl(dialog, VariablesPanel::NameId(1)))->setText("Temp");
    qobject_cast<QLineEdit*>(FindControl(dialog, VariablesPanel::ValueId(1, VariablesPanel::kMinimumBox)))
        ->setText("-5");
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kVariables);
  ASSERT_EQ(sheet().names[1], "Temp");
  EXPECT_EQ(itemText(command::kUndo), "Und&o Variables\tCtrl+Z");

  window->runCommand(command::kUndo);
  EXPECT_TRUE(SameSheet(sheet(), before));
  window->runCommand(command::kRedo);
  EXPECT_EQ(sheet().names[1], "Temp");
  EXPECT_EQ(sheet().graphMinimum[1], -5.0);
}

}  // namespace
}  // namespace rv::testing
