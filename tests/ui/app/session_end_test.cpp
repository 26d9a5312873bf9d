#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/kept_sheets_dialog.h"
#include "app/termination_signals.h"
#include "app/window_recovery.h"
#include "files/disk_identity.h"
#include "files/named_document.h"
#include "files/recovery_file.h"
#include "files/running_process.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"

namespace rv::testing {
namespace {

// The program ended from outside while the sheet holds unsaved changes, and
// started again.
class SessionEndTest : public AppTest {
 protected:
  std::string recoveryFolder() const { return pathIn("state/regrovantis"); }
  std::vector<RecoveredSheet> keptSheets() const {
    return RecoveredSheets(recoveryFolder(), [](const RecoveredSheet&) { return false; });
  }

  std::unique_ptr<MainWindow> newWindow(std::optional<std::string> commandLineFile = std::nullopt) {
    StartUpOptions options = startUpOptions(std::move(commandLineFile));
    options.recoveryFolder = recoveryFolder();
    return StartedWindow(std::move(options));
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

  // Answers the dialog of kept sheets: each sheet's choice in turn (0
  // Restore, 1 Discard, 2 Keep), then OK.
  static ModalAnswers::Handler Choose(std::vector<int> choices) {
    return [choices](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "KeptDlg");
      for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* box = qobject_cast<QComboBox*>(FindControl(dialog, kFirstChoiceId + static_cast<int>(i)));
        ASSERT_NE(box, nullptr) << i;
        box->setCurrentIndex(choices[i]);
      }
      EXPECT_EQ(FindControl(dialog, kFirstChoiceId + static_cast<int>(choices.size())), nullptr);
      ClickControl(dialog, kAnswerOk);
    };
  }

  ModalAnswers answers;
};

// Two windows with unsaved changes when the session ends leave a sheet each;
// the next start offers both in one dialog, oldest first, and restores the
// one taken.
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

  answers.then(Choose({1, 0}));
  startWindow();
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 7.0) << "the first window's sheet came first and was discarded";
  EXPECT_TRUE(window->document().state.modified);
  // The discarded sheet is gone; the restored one is kept again, as this
  // window's, which no other window offers while it is open.
  ASSERT_EQ(keptSheets().size(), 1u);
  EXPECT_EQ(keptSheets()[0].slot, window->recovery().slot());
  EXPECT_TRUE(newWindow()->recovery().sheetsToOffer().empty());
}

// Sheets kept by runs long gone, one by a process whose id is this
// process's own now: each is offered in the one dialog. Two restored take
// this window and one of their own; the kept one waits for the next start.
// A restored sheet of a file that was saved since it was kept asks before
// its first save overwrites that version.
TEST_F(SessionEndTest, ManyKeptSheetsComeInOneDialogAndARestoredOneKnowsItsFile) {
  const std::string named = pathIn("named.rvd");
  ASSERT_TRUE(CopyExample(named));
  const std::optional<DiskIdentity> opened = DiskIdentityOf(named);
  const int self = static_cast<int>(::getpid());
  const RecoveryKeeper sameIdLaterRun{self, ProcessStartStamp(self) + 1};
  const RecoveryKeeper ended{1, 1};
  for (int i = 0; i < 4; ++i) {
    Document document;
    document.sheet.cell(0, 0) = i;
    if (i == 3) NameDocument(document.state, named);
    const DataFileSession session;
    const EquationList equations;
    ASSERT_TRUE(SaveRecoveryFile(recoveryFolder(), NewRecoverySlot(), i == 0 ? sameIdLaterRun : ended,
                                 {document, session, equations, i == 3 ? opened : std::nullopt}));
  }
  // Another program saves the file after the sheet was kept.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(named)));
  ASSERT_TRUE(QFile::copy(QStringLiteral(REGROVANTIS_SOURCE_DIR "/tests/data/rvd/every_field.rvd"),
                          QString::fromStdString(named)));

  answers.then(Choose({1, 0, 2, 0}));
  startWindow();
  ASSERT_EQ(answers.pending(), 0);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 1.0);
  MainWindow* restored = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* other = qobject_cast<MainWindow*>(top); other != nullptr && other != window.get()) restored = other;
  ASSERT_NE(restored, nullptr) << "the second sheet restored has a window of its own";
  EXPECT_EQ(restored->document().sheet.cell(0, 0), 3.0);
  EXPECT_EQ(restored->windowTitle(), "Regrovantis - named.rvd");
  EXPECT_TRUE(restored->document().state.modified);
  EXPECT_EQ(keptSheets().size(), 3u) << "the kept one, and the two restored kept again as their windows'";

  answers.answer(kAnswerCancel);
  restored->runCommand(command::kSave);
  EXPECT_EQ(answers.messageTexts().value(1),
            "The file 'named.rvd' was changed by another program after it was opened. Save anyway?");
  EXPECT_TRUE(restored->document().state.modified);
  restored->document().state.modified = false;
  delete restored;
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(SessionEndTest, CtrlCInTheTerminalKeepsTheSheetAndASavedSheetKeepsNothing) {
  startWindow();
  typeIntoFirstCell("3");
  endBySignal(SIGINT, {window.get()});
  EXPECT_EQ(keptSheets().size(), 1u);
  window.reset();

  answers.then(Choose({1}));
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
  ASSERT_TRUE(CopyExample(named));
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

  answers.then(Choose({0})).answer(kAnswerCancel);
  startWindow(named);
  ASSERT_EQ(answers.messageTexts().size(), 2);
  EXPECT_EQ(answers.dialogNames()[0], "KeptDlg");
  EXPECT_EQ(answers.messageTexts()[1], "Do you want to save the changes in 'named.rvd'?");
  EXPECT_EQ(window->document().sheet.cell(0, 0), 99.0) << "Cancel keeps the restored sheet";
  ASSERT_EQ(window->equations().size(), 1);
  EXPECT_EQ(window->equations().slot(0).ordinal, 43068);
  EXPECT_EQ(window->session().graphVariables.size(), 2u);
  window->endSession();
  window.reset();

  answers.then(Choose({0})).answer(kAnswerNo);
  startWindow(named);
  EXPECT_EQ(answers.messageTexts().size(), 4);
  EXPECT_NE(window->document().sheet.cell(0, 0), 99.0) << "the named file replaced the restored sheet";
  EXPECT_FALSE(window->document().state.modified);
  EXPECT_EQ(window->windowTitle(), "Regrovantis - named.rvd");
  EXPECT_TRUE(keptSheets().empty());
}

// A recovery folder that is a file, and a settings file that is a folder:
// each failure is said in the status bar and the log, once however often the
// window tries, and what stands in the way keeps its mode.
TEST_F(SessionEndTest, FailuresToKeepTheSheetOrTheSettingsAreSaidOnce) {
  std::filesystem::create_directories(pathIn("state"));
  {
    QFile blocker(QString::fromStdString(recoveryFolder()));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  }
  std::filesystem::permissions(recoveryFolder(), std::filesystem::perms(0644));
  static QStringList warnings;
  warnings.clear();
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg) warnings << text;
      });
  startWindow();
  typeIntoFirstCell("3");
  auto* timer = window->recovery().findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  timer->start(1);
  QTest::qWait(100);
  timer->stop();
  const QString kept =
      QString::fromStdString("The sheet could not be kept for recovery: '" + recoveryFolder() + "' is not a folder");
  EXPECT_EQ(warnings.count(kept), 1) << warnings.join('\n').toStdString();
  EXPECT_EQ(window->frame().statusBar()->paneText(StatusPane::Detail), kept);
  EXPECT_EQ(std::filesystem::status(recoveryFolder()).permissions(), std::filesystem::perms(0644));

  std::filesystem::create_directory(settingsPath());
  window->endSession();
  qInstallMessageHandler(previous);
  const QString settings = QString::fromStdString("The settings could not be written to " + settingsPath() + ": '" +
                                                  settingsPath() + "' is a folder, not a file");
  EXPECT_EQ(warnings.count(settings), 1) << warnings.join('\n').toStdString();
  EXPECT_EQ(window->frame().statusBar()->paneText(StatusPane::Detail), settings);
  window->document().state.modified = false;
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
