#include "files/recovery_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "files/new_data_sheet.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

namespace fs = std::filesystem;

bool NoneOpen(const RecoveredSheet&) { return false; }

void SetKeptAt(const std::string& folder, const RecoverySlot& slot, int secondsAgo) {
  fs::last_write_time(folder + "/recovery-" + slot.id + ".rvd",
                      fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
}

Outcome<void> KeepEmpty(const std::string& folder, const RecoverySlot& slot, const RecoveryKeeper& keeper) {
  const Document document;
  const DataFileSession session;
  const EquationList list;
  return SaveRecoveryFile(folder, slot, keeper, {document, session, list, std::nullopt});
}

TEST(RecoveryFile, LivesInTheUsersStateFolderInSlotsOfItsOwn) {
  EXPECT_EQ(RecoveryFolder("/home/ann/state", "/home/ann"), "/home/ann/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder("relative", "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
  const RecoverySlot a = NewRecoverySlot(), b = NewRecoverySlot();
  EXPECT_NE(a, b);
  EXPECT_EQ(a.id.find_first_not_of("0123456789abcdef-"), std::string::npos) << a.id;
}

// Windows of several runs keep their sheets; the next start is offered
// every one whose window is gone, oldest first, each with its file, rows and
// process. A sheet searched but never saved keeps the equation selected in
// its list, and the graph variables chosen for it; a named one keeps how its
// file looked when the window last opened or saved it.
TEST(RecoveryFile, EveryKeptSheetComesBackOldestFirstWithWhatItKept) {
  TemporaryFolder temporary;
  const std::string folder = temporary.file("state/regrovantis");
  EXPECT_TRUE(RecoveredSheets(folder, NoneOpen).empty());

  Document kept = SampleDocument();
  kept.state.named = true;
  kept.state.path = "/data/run\n12.rvd";
  kept.state.fileTitle = "run\n12.rvd";
  kept.state.modified = true;
  DataFileSession session = SampleSession();
  session.savedEquation = EquationRecord{};  // nothing saved since the search
  EquationList list;
  list.insert(0, MakeEquationRecord(0.5, 13, "Y = aX1 + b"));
  list.insert(1, MakeEquationRecord(kSampleRSquared, kSampleOrdinal, kSampleEquation));
  const DiskIdentity identity{2049, 77, 16370, 1700000000, 123456789};
  const RecoveryKeeper earlier{4242, 17}, later{4242, 18};
  const RecoverySlot newer = NewRecoverySlot(), older = NewRecoverySlot(), open = NewRecoverySlot();
  ASSERT_TRUE(SaveRecoveryFile(folder, newer, earlier, {kept, session, list, identity}));
  ASSERT_TRUE(KeepEmpty(folder, older, later));
  ASSERT_TRUE(KeepEmpty(folder, open, later));
  SetKeptAt(folder, newer, 60);
  SetKeptAt(folder, older, 600);
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << "made by the program";

  const std::vector<RecoveredSheet> offered =
      RecoveredSheets(folder, [&](const RecoveredSheet& sheet) { return sheet.slot == open; });
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0].slot, older);
  EXPECT_EQ(offered[0].title, "Untitled");
  EXPECT_EQ(offered[0].rows, 0);
  EXPECT_EQ(offered[0].keeper, later);
  EXPECT_EQ(offered[1].slot, newer);
  EXPECT_EQ(offered[1].title, "run\n12.rvd");
  EXPECT_EQ(offered[1].rows, LastRowWithData(kept.sheet.cells) + 1);
  EXPECT_EQ(offered[1].keeper, earlier);
  EXPECT_LT(offered[0].keptAt, offered[1].keptAt);

  Document document;
  document.state.dataFolder = "/home/ann";
  document.options.shadeSurface = false;
  DataFileSession restored;
  EquationList equations;
  const Outcome<RestoredSheet> outcome = RestoreRecoveredSheet(folder, newer, document, restored, equations);
  ASSERT_TRUE(outcome);
  EXPECT_TRUE(outcome->updates.reloadSheet);
  EXPECT_EQ(outcome->fileIdentity, identity);
  EXPECT_TRUE(SameBits(document.sheet.cells, kept.sheet.cells));
  EXPECT_EQ(document.options.title1, kept.options.title1);
  EXPECT_FALSE(document.options.shadeSurface) << "the file does not hold the shading: the window's stays";
  EXPECT_EQ(document.state.path, "/data/run\n12.rvd");
  EXPECT_TRUE(document.state.named);
  EXPECT_TRUE(document.state.modified);
  ASSERT_EQ(equations.size(), 1);
  EXPECT_EQ(equations.slot(0).text, kSampleEquation);
  EXPECT_EQ(restored.selectedIndex, 0);
  EXPECT_EQ(restored.graphedIndex, 0);
  EXPECT_EQ(restored.graphVariables, session.graphVariables);
  EXPECT_FALSE(restored.graphDrawn);
  ASSERT_EQ(RecoveredSheets(folder, NoneOpen).size(), 2u) << "the restored one is gone, the open one is offered";

  RemoveRecoveryFile(folder, older);
  RemoveRecoveryFile(folder, open);
  EXPECT_TRUE(fs::is_empty(folder));
}

// A sheet of the version that named slots by process id is offered with its
// process, its note being the path alone; an untitled one comes back
// untitled, a damaged one is reported and leaves the sheet alone.
TEST(RecoveryFile, AnOlderVersionsSheetAndAnUntitledOrDamagedOne) {
  TemporaryFolder temporary;
  const std::string& folder = temporary.path();
  Document untitled;
  untitled.sheet.cell(0, 0) = 3.0;
  const DataFileSession none;
  const EquationList empty;
  const RecoverySlot slot = NewRecoverySlot();
  ASSERT_TRUE(SaveRecoveryFile(folder, slot, {5, 9}, {untitled, none, empty, std::nullopt}));
  fs::rename(folder + "/recovery-" + slot.id + ".rvd", folder + "/recovery-77-2.rvd");
  fs::remove(folder + "/recovery-" + slot.id + ".note");
  WriteBytes(folder + "/recovery-77-2.path", {});
  WriteBytes(temporary.file("recovery-9-1.rvd"), std::vector<std::uint8_t>(100, 7));
  WriteBytes(temporary.file("recovery-9-1.path"), {'/', 'a', '.', 'r', 'v', 'd'});
  WriteBytes(temporary.file("recovery-x.y.rvd"), std::vector<std::uint8_t>(100, 7));     // not one of ours
  WriteBytes(temporary.file("recovery-orphan.rvd"), std::vector<std::uint8_t>(100, 7));  // no note

  const std::vector<RecoveredSheet> offered = RecoveredSheets(folder, NoneOpen);
  ASSERT_EQ(offered.size(), 2u);
  for (const RecoveredSheet& sheet : offered) {
    EXPECT_EQ(sheet.rows, -1);
    EXPECT_EQ(sheet.keeper.processStart, 0u);
  }
  Document document = SampleDocument();
  document.state.named = true;
  document.state.path = "/data/other.rvd";
  DataFileSession session;
  EquationList equations;
  const Outcome<RestoredSheet> restored = RestoreRecoveredSheet(folder, {"77-2"}, document, session, equations);
  ASSERT_TRUE(restored);
  EXPECT_FALSE(restored->fileIdentity);
  EXPECT_FALSE(document.state.named);
  EXPECT_TRUE(document.state.path.empty());
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(document.sheet.cell(0, 0), 3.0);
  EXPECT_EQ(equations.size(), 0);

  const Outcome<RestoredSheet> damaged = RestoreRecoveredSheet(folder, {"9-1"}, document, session, equations);
  ASSERT_FALSE(damaged);
  EXPECT_EQ(damaged.message().text, "The data file has been corrupted\nyou need to reenter your data.");
  EXPECT_EQ(document.sheet.cell(0, 0), 3.0);
  EXPECT_TRUE(RecoveredSheets(folder, NoneOpen).empty());
}

// A folder the user made keeps its permissions; something else in its place
// is reported and left alone.
TEST(RecoveryFile, NothingIsKeptWhereNoFolderCanBeMadeAndAFolderKeepsItsMode) {
  TemporaryFolder temporary;
  WriteBytes(temporary.file("blocker"), {1});
  ::chmod(temporary.file("blocker").c_str(), 0644);
  const Outcome<void> file = KeepEmpty(temporary.file("blocker"), NewRecoverySlot(), {1, 1});
  ASSERT_FALSE(file);
  EXPECT_EQ(file.message().text, "'" + temporary.file("blocker") + "' is not a folder");
  EXPECT_EQ(fs::status(temporary.file("blocker")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(KeepEmpty(temporary.file("blocker/regrovantis"), NewRecoverySlot(), {1, 1}));
  EXPECT_FALSE(KeepEmpty("", NewRecoverySlot(), {1, 1}));

  fs::create_directory(temporary.file("shared"));
  ::chmod(temporary.file("shared").c_str(), 0755);
  ASSERT_TRUE(KeepEmpty(temporary.file("shared"), NewRecoverySlot(), {1, 1}));
  EXPECT_EQ(fs::status(temporary.file("shared")).permissions() & fs::perms::all,
            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                fs::perms::others_exec);
}

}  // namespace
}  // namespace rv::testing
