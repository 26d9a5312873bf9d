#include <QApplication>
#include <QClipboard>
#include <QLabel>

#include "equations_fixture.h"
#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "regress/ui/set_status_lines.h"
#include "stats/copy_texts.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// Every test starts on the Equations tab of the bundled example.
class EquationStatisticsTest : public EquationsTest {
 protected:
  void SetUp() override { openExample(); }

  // The coefficient text of the entry, re-created from the sheet as it is
  // now with the given options, as the engine alone makes it.
  std::string expectedCopy(const EquationRecord& entry, const DocumentOptions& options) const {
    const SearchData data = TakeSearchSnapshot(window->document().sheet.cells);
    FitWorkspace workspace;
    EXPECT_TRUE(RecreateEquation(workspace, data, MakeSearchShape(data, options), entry.ordinal));
    return CopyCoefficientsText(workspace);
  }

  std::string clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }

  void select(int r) { tab().list()->selectRow(r); }

  int firstRowWhere(bool (*wanted)(const std::string& text)) const {
    for (int r = 0; r < rows(); ++r)
      if (wanted(row(r).text)) return r;
    return -1;
  }

  // Answers the statistics dialog: checks that it shows the entry, then closes it.
  ModalAnswers::Handler showsEntry(const EquationRecord& entry) {
    return [this, &entry](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "StatDlg");
      EXPECT_EQ(window->equationController().statisticsDialog(), dialog);
      EXPECT_TRUE(tab().statsButton()->isPressed());
      auto* title = qobject_cast<QLabel*>(FindControl(dialog, StatisticsDialog::kTitleId));
      EXPECT_EQ(title->text().toStdString(), entry.text);
      EXPECT_EQ(window->equationController().workspace().lastFittedOrdinal, entry.ordinal);
      ClickControl(dialog, StatisticsDialog::kCloseButtonId);
    };
  }
};

TEST_F(EquationStatisticsTest, StatsShowsTheSelectedEquationReCreatedAndTakesTheCopyCommand) {
  // Nothing listed yet: Stats asks for an equation and does not stay pressed.
  answers.answer(kAnswerOk);
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.messageTexts(), QStringList{"Select the equation to display."});
  EXPECT_FALSE(tab().statsButton()->isPressed());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

  search();
  // More than 1000 entries entered: the list keeps 1000, the count is of candidates.
  EXPECT_EQ(rows(), EquationList::kCapacity);
  EXPECT_TRUE(statusPane(StatusPane::Detail).startsWith("59187; refused: "))
      << statusPane(StatusPane::Detail).toStdString();

  select(3);
  EXPECT_EQ(window->session().selectedIndex, 3);
  const EquationRecord& chosen = row(3);
  std::string copiedInDialog;
  answers.then([&](QWidget* dialog) {
    // Ctrl+C of the main window goes to the dialog while it is open.
    window->runCommand(command::kCopy);
    copiedInDialog = clipboard();
    showsEntry(chosen)(dialog);
  });
  // Alt+A reaches the Stats button from the list.
  QTest::keyClick(tab().list(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(answers.dialogNames(), (QStringList{"MSGDLG1", "StatDlg"}));
  EXPECT_EQ(copiedInDialog, expectedCopy(chosen, window->document().options));
  EXPECT_FALSE(tab().statsButton()->isPressed());
  EXPECT_EQ(window->equationController().statisticsDialog(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([this] { return tab().list()->hasFocus(); }));

  // Enter on another entry opens its statistics.
  select(0);
  answers.then(showsEntry(row(0)));
  QTest::keyClick(tab().list(), Qt::Key_Return);
  EXPECT_EQ(answers.pending(), 0);

  window->runCommand(command::kCopyEquation);
  EXPECT_EQ(clipboard(), expectedCopy(row(0), window->document().options));
}

TEST_F(EquationStatisticsTest, OptionsChangedAfterASearchDoNotChangeTheListedEquations) {
  search();
  const DocumentOptions searched = window->document().options;
  select(5);
  window->document().options.maxTerms = 2;
  window->document().options.setEnabled[EquationSet::Y] = false;
  window->runCommand(command::kCopyEquation);
  EXPECT_EQ(clipboard(), expectedCopy(row(5), searched));
  EXPECT_EQ(clipboard().rfind(row(5).text + "\r\n\r\nCoefficients\r\n", 0), 0u);
}

TEST_F(EquationStatisticsTest, AnEquationTheEditedDataNoLongerFitsIsReportedAndTakesNoOtherOnesPlace) {
  search();
  // An entry that takes X3 only as it is, so a negative X3 still fits.
  const int plain = firstRowWhere([](const std::string& text) {
    for (size_t at = text.find("X3"); at != std::string::npos; at = text.find("X3", at + 1)) {
      const bool coefficientBefore = at > 0 && text[at - 1] >= 'a' && text[at - 1] <= 'z';
      if (!coefficientBefore || text.compare(at + 2, 1, "^") == 0) return false;
    }
    return text.find("X3") != std::string::npos;
  });
  const int logarithmic =
      firstRowWhere([](const std::string& text) { return text.find("ln(X3)") != std::string::npos; });
  ASSERT_GE(plain, 0);
  ASSERT_GE(logarithmic, 0);
  select(plain);
  window->runCommand(command::kCopyEquation);
  const std::string plainCopy = clipboard();
  EXPECT_EQ(plainCopy, expectedCopy(row(plain), window->document().options));

  window->document().sheet.cell(0, 3) = -1.0;
  select(logarithmic);
  answers.answer(kAnswerOk).answer(kAnswerOk);
  window->runCommand(command::kCopyEquation);
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.messageTexts(),
            QStringList(2, "The selected equation can not be fitted\nto the data on the Data tab."));
  EXPECT_EQ(answers.dialogNames(), (QStringList{"MSGDLG4", "MSGDLG4"}));
  EXPECT_FALSE(tab().statsButton()->isPressed());
  EXPECT_EQ(clipboard(), plainCopy);

  select(plain);
  window->runCommand(command::kCopyEquation);
  EXPECT_NE(clipboard(), plainCopy);
  EXPECT_EQ(clipboard(), expectedCopy(row(plain), window->document().options));
}

TEST_F(EquationStatisticsTest, AReopenedDataFileShowsItsStoredEquationAndStatsReCreatesIt) {
  search();
  select(2);
  const EquationRecord stored = row(2);
  paths->answers.push_back(pathIn("fit.rvd"));
  window->runCommand(command::kSaveAs);
  window->runCommand(command::kNew);
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(tab().statusLines()->lineText(0), "");

  paths->answers.push_back(pathIn("fit.rvd"));
  window->runCommand(command::kOpen);
  ASSERT_EQ(rows(), 1);
  EXPECT_EQ(shown(0, EquationListModel::kRSquaredColumn).toStdString(), stored.rSquaredText);
  EXPECT_EQ(shown(0, EquationListModel::kOrdinalColumn).toStdString(), stored.ordinalText);
  EXPECT_EQ(shown(0, EquationListModel::kEquationColumn).toStdString(), stored.text);
  EXPECT_EQ(tab().list()->selectedRow(), 0);
  EXPECT_EQ(window->session().selectedIndex, 0);
  EXPECT_EQ(window->equationController().workspace().lastFittedOrdinal, 0);

  answers.then(showsEntry(row(0)));
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(window->equationController().workspace().text, stored.text);
}

TEST_F(EquationStatisticsTest, AStoredEquationIsNotFittedToACellEmptiedSinceTheSearch) {
  search();
  // An equation of Y that takes X1 as it is: an emptied X1 would read as a
  // number near zero and fit without complaint.
  const int plain = firstRowWhere([](const std::string& text) {
    return text.rfind("Y = ", 0) == 0 && text.find("aX1 ") != std::string::npos &&
           text.find("ln(") == std::string::npos && text.find('/') == std::string::npos;
  });
  ASSERT_GE(plain, 0);
  select(plain);
  paths->answers.push_back(pathIn("fit.rvd"));
  window->runCommand(command::kSaveAs);
  paths->answers.push_back(pathIn("fit.rvd"));
  window->runCommand(command::kOpen);
  ASSERT_EQ(rows(), 1);

  // X1 of the first point emptied: the file's counts still take that point in.
  window->document().sheet.cell(0, 1) = EmptyValue;
  answers.answer(kAnswerOk);
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.messageTexts(),
            QStringList{"The selected equation can not be fitted\nto the data on the Data tab."});
  EXPECT_EQ(window->equationController().statisticsDialog(), nullptr);
}

}  // namespace
}  // namespace rv::testing
