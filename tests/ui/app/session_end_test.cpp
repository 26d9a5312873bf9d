#include <QTest>
#include <csignal>
#include <filesystem>

#include "app/app_fixture.h"
#include "support/modal_answers.h"
#include "app/termination_signals.h"
#include "files/recovery_file.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// The program ended from outside while the sheet holds unsaved changes, and
// started again.
class SessionEndTest : public AppTest {
 protected:
  std::string recoveryFolder() const { return pathIn("state/regrovantis"); }

  MainWindow& startWindow() {
    StartUpOptions options;
    options.settingsPath = settingsPath();
    options.helpFilePath = QStringLiteral(REGROVANTIS_SOURCE_DIR "/res/Regrovantis.hlp");
    options.firstDataFolder = folder.path().toStdString();
    options.pathChooser = std::make_unique<ScriptedPathChooser>(paths);
    options.secondStageDelayMs = -1;
    options.recoveryFolder = recoveryFolder();
    window = std::make_unique<MainWindow>(std::move(options));
    window->show();
    window->finishStartUp();
    return *window;
  }

  // A value typed into Y1 and left in its cell, not committed.
  void typeIntoFirstCell(const char* text) {
    window->runCommand(command::kShowData);
    QTest::keyClicks(window->dataTab()->cellEditor(), QString::fromLatin1(text));
  }

  ModalAnswers answers;
};

TEST_F(SessionEndTest, SigtermKeepsTheTypedSheetAndTheNextStartRestoresIt) {
  startWindow();
  typeIntoFirstCell("42.5");
  bool ended = false;
  TerminationSignals termination;
  QObject::connect(&termination, &TerminationSignals::received, window.get(), [&] {
    window->endSession();
    ended = true;
  });
  std::raise(SIGTERM);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 5000));
  EXPECT_TRUE(RecoveredSheetTitle(recoveryFolder()));
  EXPECT_TRUE(std::filesystem::exists(settingsPath()));
  window.reset();

  answers.answer(kAnswerYes);
  startWindow();
  EXPECT_EQ(answers.messageTexts().size(), 1);
  EXPECT_TRUE(answers.messageTexts().value(0).startsWith("The changes to 'Untitled' were not saved"));
  EXPECT_EQ(window->document().sheet.cell(0, 0), 42.5);
  EXPECT_TRUE(window->document().state.modified);
  EXPECT_FALSE(RecoveredSheetTitle(recoveryFolder()));
}

TEST_F(SessionEndTest, AKeptSheetThatIsDeclinedIsGoneAndAnUnchangedSheetIsNotKept) {
  startWindow();
  typeIntoFirstCell("7");
  window->endSession();
  window.reset();

  answers.answer(kAnswerNo);
  startWindow();
  EXPECT_TRUE(IsEmptyValue(window->document().sheet.cell(0, 0)));
  EXPECT_FALSE(RecoveredSheetTitle(recoveryFolder()));
  // Nothing changed since: a session's end keeps nothing.
  window->endSession();
  EXPECT_FALSE(RecoveredSheetTitle(recoveryFolder()));
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(SessionEndTest, CtrlQQuitsLikeExitAskingToSaveChanges) {
  startWindow();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  typeIntoFirstCell("3");
  answers.answer(kAnswerCancel);
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(answers.pending(), 0);
  EXPECT_TRUE(answers.messageTexts().value(0).startsWith("Do you want to save the changes"));
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace rv::testing
