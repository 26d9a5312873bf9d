#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "files/data_file_format.h"
#include "files/data_file_io.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/new_data_sheet.h"
#include "files/read_data_file.h"
#include "files/save_changes.h"
#include "files/write_data_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

namespace fs = std::filesystem;

class DataFileOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    document = SampleDocument();
    session = SampleSession();
    equations.setSingleEntry(session.savedEquation);
  }
  Outcome<ViewUpdates> save(const std::string& path) {
    return WriteDataFile(path, document, session, equations, recent);
  }
  Outcome<ViewUpdates> open(const std::string& path) {
    return ReadDataFile(path, document, session, equations, recent);
  }
  // Everything the data file would store of the state in memory.
  DataFileBytes memory() const { return EncodeDataFile(document, session); }
  std::vector<std::string> folderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TemporaryFolder folder;
  Document document;
  DataFileSession session;
  EquationList equations;
  RecentFiles recent;
};

TEST(DataFilePaths, OnlyTheFileNamesExtensionIsReplaced) {
  EXPECT_EQ(WithDataFileExtension("/home/ann/test.txt"), "/home/ann/test.rvd");
  EXPECT_EQ(WithDataFileExtension("/home/ann/test"), "/home/ann/test.rvd");
  EXPECT_EQ(WithDataFileExtension("/home/ann/run.2024/test"), "/home/ann/run.2024/test.rvd");
  EXPECT_EQ(WithDataFileExtension("/home/ann/archive.tar.gz"), "/home/ann/archive.tar.rvd");
  EXPECT_EQ(WithDataFileExtension("/home/ann/.hidden"), "/home/ann/.hidden.rvd");
  EXPECT_EQ(FolderOfPath("/home/ann/test.rvd"), "/home/ann");
  EXPECT_EQ(FolderOfPath("/test.rvd"), "/");
  EXPECT_EQ(FileNameOfPath("/home/ann/test.rvd"), "test.rvd");
}

TEST_F(DataFileOperations, AFolderNameWithADotKeepsItsTail) {
  fs::create_directory(folder.file("run.2024"));
  ASSERT_TRUE(save(folder.file("run.2024/test")));
  EXPECT_TRUE(fs::exists(folder.file("run.2024/test.rvd")));
  EXPECT_EQ(document.state.fileTitle, "test.rvd");
}

// The message gives the system's reason; the sheet keeps its name and its
// changes, so the window still says which file it is and what is unsaved.
TEST_F(DataFileOperations, AFileThatCannotBeCreatedIsReportedAndNothingIsLost) {
  document.state.named = true;
  document.state.modified = true;
  document.state.path = "/elsewhere/old.rvd";
  document.state.fileTitle = "old.rvd";
  const std::string path = folder.file("missing/out.rvd");
  const Outcome<ViewUpdates> outcome = save(path);
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text, "Error opening output data file\n" + path +
                                        "\nData not saved, try using Save As.\n(No such file or directory)");
  EXPECT_EQ(outcome.message().kind, MessageKind::Error);
  EXPECT_TRUE(document.state.named);
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(document.state.path, "/elsewhere/old.rvd");
  EXPECT_EQ(SavePathOf(document.state), "/elsewhere/old.rvd");
  EXPECT_EQ(AskSaveChanges(document.state).message.text, "Do you want to save the changes in 'old.rvd'?");
  EXPECT_TRUE(recent.menuItems().empty());
}

// The free space a save needs is the file's own size, whatever it is.
TEST_F(DataFileOperations, TheSpaceCheckedIsTheFilesSize) {
  const std::uintmax_t available = fs::space(folder.path()).available;
  EXPECT_TRUE(CheckDiskSpace(folder.file("x.rvd"), 16370));
  EXPECT_TRUE(CheckDiskSpace(folder.file("x.rvd"), available / 2));
  const Outcome<void> refused = CheckDiskSpace(folder.file("x.rvd"), available + (std::uintmax_t{1} << 30));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.message(), InsufficientDiskSpaceMessage());
}

// A file size limit makes the write fail after the file was created, as a
// full disk would.
TEST_F(DataFileOperations, AWriteErrorLeavesThePreviousFileIntact) {
  const std::string path = folder.file("kept.rvd");
  ASSERT_TRUE(save(path));
  const auto before = ReadBytes(path);
  document.sheet.cell(0, 0) = 7.0;
  document.state.modified = true;

  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const Outcome<ViewUpdates> outcome = save(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text,
            "Error opening output data file\n" + path + "\nData not saved, try using Save As.\n(File too large)");
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(document.state.named);
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(folderContents(), std::vector<std::string>{"kept.rvd"}) << "no temporary file is left behind";
}

TEST_F(DataFileOperations, AFolderInTheWayOfTheFileIsReported) {
  fs::create_directory(folder.file("taken.rvd"));
  const Outcome<ViewUpdates> outcome = save(folder.file("taken.rvd"));
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text, "'" + folder.file("taken.rvd") + "' is a folder, not a file");
  EXPECT_FALSE(document.state.named);
  EXPECT_TRUE(fs::is_directory(folder.file("taken.rvd")));
  EXPECT_EQ(folderContents(), std::vector<std::string>{"taken.rvd"});
}

TEST_F(DataFileOperations, SavingOverAFileKeepsItsPermissionsAndLinks) {
  const std::string path = folder.file("shared.rvd");
  ASSERT_TRUE(save(path));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(path, folder.file("link.rvd"));
  document.sheet.cell(5, 5) = 55.0;
  ASSERT_TRUE(save(folder.file("link.rvd")));
  EXPECT_TRUE(fs::is_symlink(folder.file("link.rvd")));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  Document reread;
  DataFileSession rereadSession;
  ASSERT_TRUE(ReadDataFile(path, reread, rereadSession, equations, recent));
  EXPECT_EQ(reread.sheet.cell(5, 5), 55.0);
}

TEST_F(DataFileOperations, AMissingFileIsReportedAndForgottenWhileTheSheetStays) {
  const std::string path = folder.file("gone.rvd");
  recent = RecentFiles::FromSettings({"/data/a.rvd", path, "/data/b.rvd", path});
  document.state.named = true;
  document.state.path = "/data/current.rvd";
  const DataFileBytes before = memory();
  const Outcome<ViewUpdates> outcome = open(path);
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text, "Error opening input data file\n" + path);
  EXPECT_EQ(outcome.message().kind, MessageKind::Error);
  EXPECT_EQ(memory(), before);
  EXPECT_EQ(document.state.path, "/data/current.rvd");
  EXPECT_EQ(recent.settingsValues(), (std::array<std::string, 4>{"/data/a.rvd", "/data/b.rvd", "  ", "  "}));
  EXPECT_FALSE(open(folder.path())) << "a folder is not a data file";
}

// The stored record is damaged one way at a time: a flipped bit in the
// ordinal (14 names Y = aX2 + b, 10 a rational form), another R squared, an
// altered text. Each time the sheet opens without the equation and says so;
// the untouched file keeps it.
TEST_F(DataFileOperations, AStoredEquationThatDoesNotMatchItsDataIsLeftOut) {
  const std::string path = folder.file("run.rvd");
  ASSERT_TRUE(save(path));
  const auto saved = ReadBytes(path);
  const auto patched = [&saved](std::size_t at, const void* value, std::size_t size) {
    auto bytes = saved;
    std::memcpy(&bytes[at], value, size);
    return bytes;
  };
  const std::int32_t flippedOrdinal = kSampleOrdinal ^ 4;
  const double otherRSquared = 0.8569;
  const char otherText[] = "Y = aX1 + b";
  // The same text with another R squared is a file of an earlier fit: kept,
  // with the R squared of the fit now, and said.
  const std::string mismatch = "The equation stored in 'run.rvd' does not match its data and was left out.";
  const std::string refitted =
      "The equation stored in 'run.rvd' was fitted again to its data: R squared 0.856900 as stored,";
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    bool kept;
    std::string notice;  // its beginning; empty for none
  } cases[] = {
      {"as saved", saved, true, ""},
      {"a flipped bit in the ordinal", patched(15398, &flippedOrdinal, 4), false, mismatch},
      {"another R squared", patched(15370, &otherRSquared, 8), true, refitted},
      {"another text", patched(15410, otherText, sizeof otherText), false, mismatch},
  };
  for (const auto& [what, bytes, kept, notice] : cases) {
    SCOPED_TRACE(what);
    WriteBytes(path, bytes);
    const Outcome<ViewUpdates> outcome = open(path);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(equations.size(), kept ? 1 : 0);
    EXPECT_EQ(session.selectedIndex, kept ? 0 : -1);
    EXPECT_EQ(outcome->pressDraw, kept) << "no graph without its equation";
    EXPECT_EQ(session.graphVariables.empty(), !kept);
    ASSERT_EQ(outcome->notice.has_value(), !notice.empty());
    if (outcome->notice) {
      EXPECT_EQ(outcome->notice->text.substr(0, notice.size()), notice);
      EXPECT_EQ(outcome->notice->kind, MessageKind::Information);
    }
    if (kept) EXPECT_NE(equations.slot(0).rSquaredText, " 0.856900") << "the fit now gives the R squared";
  }
}

TEST_F(DataFileOperations, ACorruptedFileLeavesTheSheetUnchanged) {
  const std::string path = folder.file("short.rvd");
  ASSERT_TRUE(save(path));
  auto bytes = ReadBytes(path);
  document.sheet.cell(0, 0) = -1.0;
  document.state.modified = true;
  const DataFileBytes before = memory();
  const std::string corrupted = "The data file has been corrupted\nyou need to reenter your data.";
  for (std::size_t size : {std::size_t{0}, std::size_t{70}, std::size_t{8000}, std::size_t{16369}}) {
    WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
    const Outcome<ViewUpdates> outcome = open(path);
    ASSERT_FALSE(outcome) << size;
    EXPECT_EQ(outcome.message().text, corrupted);
    EXPECT_EQ(memory(), before) << size;
    EXPECT_TRUE(document.state.modified);
    EXPECT_EQ(equations.size(), 1);
  }
  bytes[67] ^= 0x40;
  WriteBytes(path, bytes);
  EXPECT_EQ(open(path).message().text, corrupted) << "wrong magic number";
  EXPECT_EQ(recent.path(0), path) << "a corrupted file stays in the recent files";
}

TEST_F(DataFileOperations, NewGivesTheEmptyUntitledSheet) {
  document.state = {true, true, "/data/a.rvd", "a.rvd", "/data"};
  const ViewUpdates updates = NewDataSheet(document, session, equations);
  EXPECT_TRUE(updates.reloadSheet && updates.reloadEquationList && updates.updateTitle &&
              updates.reloadGraphVariables && updates.releaseGraph);
  Document fresh;
  fresh.options.moveSelectionAfterEnter = 2;
  EXPECT_EQ(EncodeDataFile(document, session), EncodeDataFile(fresh, DataFileSession{}));
  EXPECT_EQ(document.options.moveSelectionAfterEnter, 2) << "New keeps Move Selection After Enter";
  EXPECT_TRUE(document.options.shadeSurface);
  EXPECT_TRUE(equations.empty());
  EXPECT_EQ(session.selectedIndex, -1);
  EXPECT_EQ(session.savedEquation.ordinal, 0);
  EXPECT_TRUE(session.graphVariables.empty());
  EXPECT_FALSE(document.state.named || document.state.modified);
  EXPECT_EQ(document.state.path, "");
  EXPECT_EQ(document.state.dataFolder, "/data");
  EXPECT_EQ(WindowTitle(document.state), "Regrovantis - Untitled");
  EXPECT_FALSE(SavePathOf(document.state)) << "Save on an untitled sheet opens Save As";
}

class SaveChangesQuestionTest : public DataFileOperations {
 protected:
  Outcome<SaveChangesDecision> answer(MessageAnswer reply, std::optional<std::string> saveAsPath = std::nullopt) {
    return AnswerSaveChanges(reply, saveAsPath, document, session, equations, recent);
  }
  void nameDocument(const std::string& path) {
    ASSERT_TRUE(save(path));
    document.state.modified = true;
  }
};

TEST_F(SaveChangesQuestionTest, IsAskedOnlyForUnsavedChangesAndNamesTheFile) {
  EXPECT_FALSE(AskSaveChanges(document.state).ask);
  EXPECT_TRUE(answer(MessageAnswer::Cancel)->goOn) << "nothing to lose";

  document.state.modified = true;
  SaveChangesQuestion question = AskSaveChanges(document.state);
  EXPECT_TRUE(question.ask);
  EXPECT_EQ(question.message, (Message{"Do you want to save the changes in 'Untitled'?", MessageKind::YesNoCancel}));
  EXPECT_TRUE(question.yesNeedsSaveAs);

  nameDocument(folder.file("run.rvd"));
  question = AskSaveChanges(document.state);
  EXPECT_EQ(question.message.text, "Do you want to save the changes in 'run.rvd'?");
  EXPECT_FALSE(question.yesNeedsSaveAs);
}

TEST_F(SaveChangesQuestionTest, NoGoesOnAndCancelAbandonsWithoutSaving) {
  nameDocument(folder.file("run.rvd"));
  const auto before = ReadBytes(folder.file("run.rvd"));
  document.sheet.cell(0, 0) = 1234.0;
  EXPECT_TRUE(answer(MessageAnswer::No)->goOn);
  EXPECT_FALSE(answer(MessageAnswer::Cancel)->goOn);
  EXPECT_EQ(ReadBytes(folder.file("run.rvd")), before);
  EXPECT_TRUE(document.state.modified);
}

TEST_F(SaveChangesQuestionTest, YesSavesANamedSheetAndGoesOn) {
  nameDocument(folder.file("run.rvd"));
  document.sheet.cell(0, 0) = 1234.0;
  const Outcome<SaveChangesDecision> decided = answer(MessageAnswer::Yes);
  ASSERT_TRUE(decided);
  EXPECT_TRUE(decided->goOn);
  ASSERT_TRUE(decided->saved);
  EXPECT_TRUE(decided->saved->updateTitle);
  EXPECT_FALSE(document.state.modified);
  Document reread;
  DataFileSession rereadSession;
  ASSERT_TRUE(ReadDataFile(folder.file("run.rvd"), reread, rereadSession, equations, recent));
  EXPECT_EQ(reread.sheet.cell(0, 0), 1234.0);
}

TEST_F(SaveChangesQuestionTest, YesOnAnUntitledSheetSavesWhereSaveAsSays) {
  document.state.modified = true;
  const Outcome<SaveChangesDecision> decided = answer(MessageAnswer::Yes, folder.file("chosen"));
  ASSERT_TRUE(decided);
  EXPECT_TRUE(decided->goOn);
  EXPECT_TRUE(fs::exists(folder.file("chosen.rvd")));
  EXPECT_EQ(document.state.fileTitle, "chosen.rvd");
}

TEST_F(SaveChangesQuestionTest, ACancelledSaveAsOrAFailedSaveAbandonsAndKeepsTheChanges) {
  document.state.modified = true;
  const DataFileBytes before = memory();
  const Outcome<SaveChangesDecision> cancelled = answer(MessageAnswer::Yes, std::nullopt);
  ASSERT_TRUE(cancelled) << "a cancelled Save As is said by nothing";
  EXPECT_FALSE(cancelled->goOn);
  EXPECT_FALSE(cancelled->saved);
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(memory(), before);
  EXPECT_TRUE(folderContents().empty());

  const Outcome<SaveChangesDecision> failed = answer(MessageAnswer::Yes, folder.file("missing/x.rvd"));
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.message().text, "Error opening output data file\n" + folder.file("missing/x.rvd") +
                                       "\nData not saved, try using Save As.\n(No such file or directory)");
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(memory(), before);
}

}  // namespace
}  // namespace rv::testing
