#include <QFile>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/termination_signals.h"
#include "app/window_recovery.h"
#include "files/recovery_file.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// The program ended from outside while the sheet holds unsaved changes, and
// started again.
class SessionEndTest : public AppTest {
 protected:
  std::string recoveryFolder() const { return pathIn("state/regrovantis"); }
  std::vector<RecoveredSheet> keptSheets() const {
    return RecoveredSheets(recoveryFolder(), [](RecoverySlot) { return false; });
  }

  std::unique_ptr<MainWindow> newWindow(std::optional<std::string> commandLineFile = std::nullopt) {
    StartUpOptions options;
    options.settingsPath = settingsPath();
    options.helpFilePath = QStringLiteral(REGROVANTIS_SOURCE_DIR "/res/Regrovantis.hlp");
    options.firstDataFolder = folder.path().toStdString();
    options.pathChooser = std::make_unique<ScriptedPathChooser>(paths);
    options.secondStageDelayMs = -1;
    options.recoveryFolder = recoveryFolder();
    options.commandLineFile = std::move(commandLineFile);
    auto made = std::make_unique<MainWindow>(std::move(options));
    made->show();
    made->finishStartUp();
    return made;
  }
  MainWindow& startWindow(std::optional<std::string> commandLineFile = std::nullopt) {
    window = newWindow(std::move(commandLineFile));
    return *window;
  }

  // A value typed into Y1 and left in its cell, not committed.
  static void typeIntoFirstCell(MainWindow& into, const char* text) {
    into.runCommand(command::kShowData);
    QTest::keyClicks(into.frame().dataTab()->cellEditor(), QString::fromLatin1(text));
  }
  void typeIntoFirstCell(const char* text) { typeIntoFirstCell(*window, text); }

  // Raises the signal; every window given ends its session as the program's
  // own handler would have it.
  static void endBySignal(int signalNumber, const std::vector<MainWindow*>& windows) {
    int ended = 0;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, windows.front(), [&](int received) {
      EXPECT_EQ(received, signalNumber);
      for (MainWindow* each : windows) each->endSession();
      ++ended;
    });
    std::raise(signalNumber);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended == 1; }, 5000));
  }

  ModalAnswers answers;
};

// Two windows with unsaved changes when the session ends leave a sheet each;
// the next start offers both, oldest first, and restores the one taken.
TEST_F(SessionEndTest, SigtermKeepsEveryWindowsSheetAndTheNextStartOffersThemAll) {
  startWindow();
  std::unique_ptr<MainWindow> second = newWindow();
  typeIntoFirstCell("42.5");
  typeIntoFirstCell(*second, "7");
  endBySignal(SIGTERM, {window.get(), second.get()});
  EXPECT_EQ(keptSheets().size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(settingsPath()));
  window.reset();
  second.reset();

  answers.answer(kAnswerNo).answer(kAnswerYes);
  startWindow();
  ASSERT_EQ(answers.messageTexts().size(), 2);
  for (const QString& text : answers.messageTexts())
    EXPECT_TRUE(text.startsWith("The changes to 'Untitled' kept at ")) << text.toStdString();
  EXPECT_EQ(window->document().sheet.cell(0, 0), 7.0) << "the first window's sheet came first and was declined";
  EXPECT_TRUE(window->document().state.modified);
  // The declined sheet is gone; the restored one is kept again, as this
  // window's, which no other window offers while it is open.
  ASSERT_EQ(keptSheets().size(), 1u);
  EXPECT_EQ(keptSheets()[0].slot, window->recovery().slot());
  EXPECT_TRUE(newWindow()->recovery().sheetsToOffer().empty());
}

TEST_F(SessionEndTest, CtrlCInTheTerminalKeepsTheSheetAndASavedSheetKeepsNothing) {
  startWindow();
  typeIntoFirstCell("3");
  endBySignal(SIGINT, {window.get()});
  EXPECT_EQ(keptSheets().size(), 1u);
  window.reset();

  answers.answer(kAnswerNo);
  startWindow();
  EXPECT_TRUE(IsEmptyValue(window->document().sheet.cell(0, 0)));
  EXPECT_TRUE(keptSheets().empty());
  EXPECT_EQ(window->recovery().interval(), 5) << "minutes, when the settings do not say";
  // Nothing changed since: a session's end keeps nothing.
  window->endSession();
  EXPECT_TRUE(keptSheets().empty());
  EXPECT_EQ(answers.pending(), 0);
}

// The file named on the command line opens after the offer, once the
// restored sheet's changes were asked about; the restored sheet keeps the
// equation it had selected and that equation's graph variables.
TEST_F(SessionEndTest, AFileNamedAtStartOpensAfterARestore) {
  const std::string named = pathIn("named.rvd");
  ASSERT_TRUE(
      QFile::copy(QStringLiteral(REGROVANTIS_SOURCE_DIR "/examples/ideal_gas.rvd"), QString::fromStdString(named)));
  startWindow(named);
  MainWindow& first = *window;
  first.document().sheet.cell(0, 0) = 99.0;
  first.document().state.modified = true;
  first.equations().setSingleEntry(MakeEquationRecord(0.999912, 43068, "ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d"));
  first.session().selectedIndex = 0;
  first.session().graphedIndex = 0;
  first.session().graphVariables = {{"\tX1", true}, {"\tX2", false}};
  window->endSession();
  window.reset();

  answers.answer(kAnswerYes).answer(kAnswerCancel);
  startWindow(named);
  ASSERT_EQ(answers.messageTexts().size(), 2);
  EXPECT_TRUE(answers.messageTexts()[0].startsWith("The changes to 'named.rvd' kept at "));
  EXPECT_EQ(answers.messageTexts()[1], "Do you want to save the changes in 'named.rvd'?");
  EXPECT_EQ(window->document().sheet.cell(0, 0), 99.0) << "Cancel keeps the restored sheet";
  ASSERT_EQ(window->equations().size(), 1);
  EXPECT_EQ(window->equations().slot(0).ordinal, 43068);
  EXPECT_EQ(window->session().graphVariables.size(), 2u);
  window->endSession();
  window.reset();

  answers.answer(kAnswerYes).answer(kAnswerNo);
  startWindow(named);
  EXPECT_EQ(answers.messageTexts().size(), 4);
  EXPECT_NE(window->document().sheet.cell(0, 0), 99.0) << "the named file replaced the restored sheet";
  EXPECT_FALSE(window->document().state.modified);
  EXPECT_EQ(window->windowTitle(), "Regrovantis - named.rvd");
  EXPECT_TRUE(keptSheets().empty());
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
