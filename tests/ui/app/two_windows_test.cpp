#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <filesystem>

#include "app_fixture.h"
#include "files/lock_file.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// Two windows on one data file, as two copies of the program would have it.
class TwoWindowsTest : public AppTest {
 protected:
  void SetUp() override { ASSERT_TRUE(CopyExample(data)); }
  void TearDown() override {
    other.reset();
    AppTest::TearDown();
  }

  // Without a settings file of its own, as the first window's is the one
  // the tests leave behind.
  std::unique_ptr<MainWindow> otherWindow() {
    StartUpOptions options = startUpOptions();
    options.settingsPath.clear();
    return StartedWindow(std::move(options));
  }

  static void open(MainWindow& window, std::shared_ptr<ScriptedPathChooser::Script>& paths, const std::string& path) {
    paths->answers.push_back(path);
    window.runCommand(command::kOpen);
  }

  static void setCell(MainWindow& window, int row, double value) {
    window.document().sheet.cell(row, 0) = value;
    window.document().state.modified = true;
  }

  static double CellOnDisk(const std::string& path, int row) { return DocumentOnDisk(path).sheet.cell(row, 0); }

  const std::string data = pathIn("rt.rvd");
  std::unique_ptr<MainWindow> other;
  ModalAnswers answers;
};

TEST_F(TwoWindowsTest, TheSecondIsWarnedAndASaveOverAChangedFileAsks) {
  startedWindow();
  open(*window, paths, data);
  EXPECT_TRUE(std::filesystem::exists(LockFilePath(data)));
  EXPECT_EQ(answers.messageTexts().size(), 0);

  other = otherWindow();
  answers.answer(kAnswerNo);  // the button that answers No reads Cancel here
  open(*other, paths, data);
  EXPECT_EQ(answers.messageTexts().value(0),
            "'rt.rvd' is open in another Regrovantis window; changes saved in one will overwrite the other.");
  EXPECT_EQ(other->document().state.fileTitle, "") << "Cancel opens nothing";
  answers.answer(kAnswerYes);
  open(*other, paths, data);
  EXPECT_EQ(other->document().state.fileTitle, "rt.rvd");

  setCell(*window, 0, 111);
  window->runCommand(command::kSave);
  EXPECT_EQ(answers.messageTexts().size(), 2) << "the file is as this window saw it";
  setCell(*other, 1, 222);
  const double y1Before = other->document().sheet.cell(0, 0);

  // Cancel keeps both the sheet and the file.
  answers.answer(kAnswerCancel);
  other->runCommand(command::kSave);
  EXPECT_EQ(answers.messageTexts().value(2),
            "The file 'rt.rvd' was changed by another program after it was opened. Save anyway?");
  EXPECT_EQ(CellOnDisk(data, 0), 111);
  EXPECT_EQ(other->document().sheet.cell(1, 0), 222);
  EXPECT_EQ(other->document().sheet.cell(0, 0), y1Before);
  EXPECT_TRUE(other->document().state.modified);

  // Save As... saves elsewhere, and the question has nothing more to ask.
  answers.answer(kAnswerNo);
  paths->answers.push_back(pathIn("rt-b.rvd"));
  other->runCommand(command::kSave);
  EXPECT_EQ(CellOnDisk(pathIn("rt-b.rvd"), 1), 222);
  EXPECT_EQ(CellOnDisk(data, 0), 111);
  EXPECT_FALSE(other->document().state.modified);

  // Save Anyway, asked also by the question before closing.
  setCell(*window, 2, 333);
  ASSERT_TRUE(QFile::remove(QString::fromStdString(data)));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(pathIn("rt-b.rvd")), QString::fromStdString(data)));
  answers.answer(kAnswerYes).answer(kAnswerYes);
  window->runCommand(command::kNew);
  ASSERT_EQ(answers.messageTexts().size(), 6);
  EXPECT_TRUE(answers.messageTexts().value(3).startsWith("The file 'rt.rvd' was changed"));
  EXPECT_EQ(answers.messageTexts().value(4), "Do you want to save the changes in 'rt.rvd'?");
  EXPECT_TRUE(answers.messageTexts().value(5).startsWith("The file 'rt.rvd' was changed"));
  EXPECT_EQ(CellOnDisk(data, 2), 333);
  EXPECT_FALSE(std::filesystem::exists(LockFilePath(data))) << "New lets the file go";
  EXPECT_EQ(answers.pending(), 0);
}

// A stale lock is replaced. The lock names the window that holds it: a
// second window that opens the file anyway leaves it alone, and when the
// first closes, the lock passes to the second, so a third is still warned;
// closing the last window removes it.
TEST_F(TwoWindowsTest, TheLockStaysWhileAnyWindowHasTheFileOpen) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  ASSERT_EQ(TakeLockFile(data, {"ann", host, static_cast<int>(child), 1, 5}).result, LockAttempt::Result::Taken);

  startedWindow();
  open(*window, paths, data);
  EXPECT_EQ(answers.messageTexts().size(), 0);
  EXPECT_EQ(window->document().state.fileTitle, "rt.rvd");
  const LockOwner first = ReadLockFile(data).owner;
  EXPECT_EQ(first.processId, static_cast<int>(::getpid())) << "the stale lock is replaced";

  other = otherWindow();
  answers.answer(kAnswerYes);
  open(*other, paths, data);
  EXPECT_EQ(answers.messageTexts().size(), 1);
  EXPECT_EQ(ReadLockFile(data).owner, first) << "the second window leaves the first one's lock alone";

  window->close();
  window.reset();
  const LockOwner second = ReadLockFile(data).owner;
  EXPECT_EQ(second.processId, first.processId);
  EXPECT_NE(second.window, first.window) << "the lock passed to the window that still has the file";

  std::unique_ptr<MainWindow> third = otherWindow();
  answers.answer(kAnswerNo);
  open(*third, paths, data);
  EXPECT_EQ(answers.messageTexts().value(1),
            "'rt.rvd' is open in another Regrovantis window; changes saved in one will overwrite the other.");
  EXPECT_EQ(third->document().state.fileTitle, "");
  third.reset();
  other->close();
  other.reset();
  EXPECT_FALSE(std::filesystem::exists(LockFilePath(data)));
  EXPECT_EQ(answers.pending(), 0);
}

// Anyone who can write to the folder can put a link where the lock goes: the
// file opens unlocked, the user is told why, and the link and the file it
// leads to stay as they were.
TEST_F(TwoWindowsTest, ALinkWhereTheLockGoesIsNeverWrittenThrough) {
  const std::string notes = pathIn("notes.txt");
  const QByteArray text("thirty-five bytes of the user's own");
  {
    QFile file(QString::fromStdString(notes));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  std::filesystem::create_symlink(notes, LockFilePath(data));

  startedWindow();
  answers.answer(kAnswerOk);
  open(*window, paths, data);
  EXPECT_EQ(window->document().state.fileTitle, "rt.rvd");
  EXPECT_EQ(answers.messageTexts().value(0),
            "'rt.rvd' is open without a lock: '.~lock.rt.rvd#' beside it is a symbolic link, not a lock file of "
            "Regrovantis. It was left as it is, and other windows that open 'rt.rvd' will not be warned that it is "
            "open here.");
  window->close();
  window.reset();
  EXPECT_TRUE(std::filesystem::is_symlink(LockFilePath(data)));
  QFile file(QString::fromStdString(notes));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), text);
  EXPECT_EQ(answers.pending(), 0);
}

}  // namespace
}  // namespace rv::testing
