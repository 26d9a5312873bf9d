#include <sys/resource.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QtTest/QTest>
#include <csignal>
#include <fstream>

#include "app/command_actions.h"
#include "app_fixture.h"
#include "files/settings_file.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"

namespace rv::testing {
namespace {

class FileCommandsTest : public AppTest {
 protected:
  // Types a value into the current cell, as the user does; it is committed
  // when a file command starts.
  void type(const char* text) {
    QWidget* cell = window->frame().dataTab()->cellEditor();
    cell->setFocus();
    QTest::keyClicks(cell, text);
  }

  QStringList recentLabels() const {
    QStringList labels;
    for (int id = command::kFirstRecentFile; id <= command::kLastRecentFile; ++id) {
      QAction* item = window->commands().action(id);
      if (item != nullptr && window->commands().fileMenu()->actions().contains(item))
        labels << item->text() + (item->isEnabled() ? "" : " (greyed)");
    }
    return labels;
  }

  std::string saveAs(const char* name) {
    paths->answers.push_back(pathIn(name));
    window->runCommand(command::kSaveAs);
    return pathIn(name);
  }
};

TEST_F(FileCommandsTest, CancelKeepsTheSheetAndNoDiscardsIt) {
  startedWindow();
  type("7.5");
  ModalAnswers answers;
  answers.answer(kAnswerCancel);
  window->runCommand(command::kNew);
  EXPECT_EQ(answers.messageTexts(), QStringList{"Do you want to save the changes in 'Untitled'?"});
  EXPECT_EQ(window->document().sheet.cell(0, 0), 7.5);
  EXPECT_TRUE(window->document().state.modified);

  answers.answer(kAnswerNo);
  window->runCommand(command::kNew);
  EXPECT_TRUE(IsEmptyValue(window->document().sheet.cell(0, 0)));
  EXPECT_FALSE(window->document().state.modified);
  EXPECT_EQ(window->frame().dataTab()->cellEditor()->text(), "");
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(FileCommandsTest, YesSavesTheTypedValueUnderTheSheetsNameBeforeGoingOn) {
  startedWindow();
  // Save on an untitled sheet asks for a name.
  const std::string path = pathIn("named.rvd");
  paths->answers.push_back(path);
  window->runCommand(command::kSave);
  EXPECT_EQ(paths->titles, QStringList{"Save"});
  EXPECT_EQ(window->windowTitle(), "Regrovantis - named.rvd");

  type("42");
  ModalAnswers answers;
  answers.answer(kAnswerYes);
  window->runCommand(command::kNew);
  EXPECT_EQ(answers.messageTexts(), QStringList{"Do you want to save the changes in 'named.rvd'?"});
  EXPECT_EQ(DocumentOnDisk(path).sheet.cell(0, 0), 42);
  EXPECT_TRUE(IsEmptyValue(window->document().sheet.cell(0, 0)));
  EXPECT_EQ(window->windowTitle(), "Regrovantis - Untitled");
}

// Yes on an untitled sheet asks for its name; a Save As that is cancelled,
// or that fails with its error shown, abandons the command.
TEST_F(FileCommandsTest, YesOnAnUntitledSheetThenACancelledOrFailedSaveAsAbandonsTheCommand) {
  const std::string unreachable = pathIn("no-such-folder/data.rvd");
  const struct {
    const char* name;
    std::optional<std::string> savedAs;  // nothing: Save As is cancelled
    QStringList errors;                  // shown after the question, each answered with OK
  } cases[] = {{"cancelled", std::nullopt, {}},
               {"failed",
                unreachable,
                {QString::fromStdString("Error opening output data file\n" + unreachable +
                                        "\nData not saved, try using Save As.\n(No such file or directory)")}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    startedWindow();
    paths->titles.clear();
    type("3");
    paths->answers.push_back(c.savedAs);
    ModalAnswers answers;
    answers.answer(kAnswerYes);
    for (qsizetype i = 0; i < c.errors.size(); ++i) answers.answer(kAnswerOk);
    window->runCommand(command::kNew);
    EXPECT_EQ(paths->titles, QStringList{"Save As"});
    EXPECT_EQ(answers.messageTexts(), QStringList{"Do you want to save the changes in 'Untitled'?"} + c.errors);
    EXPECT_EQ(answers.dialogNames().mid(1), QStringList(c.errors.size(), "MSGDLG4"));
    EXPECT_EQ(window->document().sheet.cell(0, 0), 3);
    EXPECT_TRUE(window->document().state.modified);
    EXPECT_EQ(window->frame().statusBar()->paneText(StatusPane::Activity), "Ready");
  }
}

// A disk that fills up (here a limit of the file's size) fails the save with
// the system's reason; the window still names its file, the changes still
// count as unsaved, and the file on disk is the one saved before.
TEST_F(FileCommandsTest, ASaveOntoAFullDiskKeepsTheNameAndTheChanges) {
  startedWindow();
  const std::string path = saveAs("full.rvd");
  const QByteArray before = [&] {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  type("3");
  window->runCommand(command::kShowData);

  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerCancel);
  window->runCommand(command::kSave);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(answers.messageTexts().value(0),
            QString::fromStdString("Error opening output data file\n" + path +
                                   "\nData not saved, try using Save As.\n(File too large)"));
  EXPECT_EQ(window->windowTitle(), "Regrovantis - full.rvd");
  EXPECT_TRUE(window->document().state.modified);
  window->runCommand(command::kNew);
  EXPECT_EQ(answers.messageTexts().value(1), "Do you want to save the changes in 'full.rvd'?");
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(FileCommandsTest, SavedAndOpenedFilesLeadTheRecentFileMenu) {
  startedWindow();
  const std::string first = saveAs("first.rvd");
  paths->answers.push_back(pathIn("second.txt"));
  window->runCommand(command::kSaveAs);
  const std::string second = pathIn("second.rvd");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(second)));
  EXPECT_EQ(recentLabels(),
            (QStringList{QString::fromStdString("&1 " + second), QString::fromStdString("&2 " + first)}));

  // Opening the older one again moves it to the top.
  paths->answers.push_back(first);
  window->runCommand(command::kOpen);
  EXPECT_EQ(recentLabels(),
            (QStringList{QString::fromStdString("&1 " + first), QString::fromStdString("&2 " + second)}));
  EXPECT_EQ(window->windowTitle(), "Regrovantis - first.rvd");
}

TEST_F(FileCommandsTest, ARecentFileThatIsGoneIsGreyedAndLeftOutOfTheSettings) {
  startedWindow();
  const std::string kept = saveAs("kept.rvd");
  const std::string gone = saveAs("gone.rvd");
  ASSERT_TRUE(QFile::remove(QString::fromStdString(gone)));
  type("5");

  ModalAnswers answers;
  answers.answer(kAnswerNo).answer(kAnswerOk);
  window->runCommand(command::kFirstRecentFile);
  ASSERT_EQ(answers.messageTexts().size(), 2);
  EXPECT_EQ(answers.messageTexts()[1], QString::fromStdString("Error opening input data file\n" + gone));
  EXPECT_EQ(recentLabels(),
            (QStringList{QString::fromStdString("&1 " + gone) + " (greyed)", QString::fromStdString("&2 " + kept)}));
  EXPECT_EQ(window->document().sheet.cell(0, 0), 5) << "the sheet stays as it was";

  window->shutDown();
  const Settings settings = ReadSettingsFile(settingsPath()).settings;
  EXPECT_EQ(settings.recentFiles[0], kept);
  EXPECT_EQ(settings.recentFiles[1], "");
}

TEST_F(FileCommandsTest, ACorruptedFileLeavesTheSheetAsItWas) {
  startedWindow();
  {
    std::ofstream junk(pathIn("junk.rvd"), std::ios::binary);
    junk << std::string(16370, 'x');
  }
  type("9");
  paths->answers.push_back(pathIn("junk.rvd"));
  ModalAnswers answers;
  answers.answer(kAnswerNo).answer(kAnswerOk);
  window->runCommand(command::kOpen);
  EXPECT_EQ(answers.messageTexts().value(1), "The data file has been corrupted\nyou need to reenter your data.");
  EXPECT_EQ(window->document().sheet.cell(0, 0), 9);
  EXPECT_EQ(window->windowTitle(), "Regrovantis - Untitled");
}

TEST_F(FileCommandsTest, StartUpReadsTheSettingsAndShutdownWritesThemBack) {
  const std::string recent = pathIn("recent.rvd");
  {
    std::ofstream ini(settingsPath());
    ini << "[Regrovantis]\r\nTOOLTIPS=0\r\nFILE1=\r\nFILE2=" << recent
        << "\r\nDATAFOLDER=" << folder.path().toStdString() << "\r\n";
  }
  startedWindow();
  EXPECT_FALSE(window->findChild<ToolTipSwitch*>()->isShown());
  EXPECT_EQ(recentLabels(), QStringList{QString::fromStdString("&1 " + recent)});
  EXPECT_EQ(window->document().state.dataFolder, folder.path().toStdString());

  window->shutDown();
  const Settings settings = ReadSettingsFile(settingsPath()).settings;
  EXPECT_EQ(settings.tooltips, 0);
  EXPECT_EQ(settings.recentFiles[0], recent);
  EXPECT_EQ(settings.recentFiles[1], "");
  EXPECT_EQ(settings.dataFolder, folder.path().toStdString());
}

TEST_F(FileCommandsTest, AWindowClosedWhileLoadingLeavesTheSettingsAlone) {
  {
    std::ofstream ini(settingsPath());
    ini << "[Regrovantis]\r\nFILE1=" << pathIn("kept.rvd") << "\r\n";
  }
  makeWindow();
  window->close();
  EXPECT_EQ(ReadSettingsFile(settingsPath()).settings.recentFiles[0], pathIn("kept.rvd"));
}

TEST_F(FileCommandsTest, ClosingAModifiedSheetAsksAndCancelKeepsTheWindowOpen) {
  startedWindow();
  type("1");
  ModalAnswers answers;
  answers.answer(kAnswerCancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  answers.answer(kAnswerNo);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(settingsPath())));
}

TEST_F(FileCommandsTest, ADroppedFileIsOpenedAfterTheQuestion) {
  startedWindow();
  const std::string path = saveAs("dropped.rvd");
  window->runCommand(command::kNew);
  type("2");

  ModalAnswers answers;
  answers.answer(kAnswerNo);
  dropFile(path);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Regrovantis - dropped.rvd"; }));
  EXPECT_TRUE(IsEmptyValue(window->document().sheet.cell(0, 0)));
  EXPECT_EQ(answers.pending(), 0);
}

}  // namespace
}  // namespace rv::testing
