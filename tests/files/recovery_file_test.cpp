#include "files/recovery_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "files/new_data_sheet.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

namespace fs = std::filesystem;

bool NoneOpen(RecoverySlot) { return false; }

void SetKeptAt(const std::string& folder, RecoverySlot slot, int secondsAgo) {
  const std::string path =
      folder + "/recovery-" + std::to_string(slot.processId) + "-" + std::to_string(slot.window) + ".rvd";
  fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
}

TEST(RecoveryFile, LivesInTheUsersStateFolder) {
  EXPECT_EQ(RecoveryFolder("/home/ann/state", "/home/ann"), "/home/ann/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder("relative", "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
}

// Three windows keep their sheets; the one still open is not offered, the
// others come oldest first. A sheet searched but never saved keeps the
// equation selected in its list, and the graph variables chosen for it.
TEST(RecoveryFile, EachWindowKeepsItsOwnSheetAndTheGoneOnesComeBackOldestFirst) {
  TemporaryFolder temporary;
  const std::string folder = temporary.file("state/regrovantis");
  EXPECT_TRUE(RecoveredSheets(folder, NoneOpen).empty());

  Document kept = SampleDocument();
  kept.state.named = true;
  kept.state.path = "/data/run 12.rvd";
  kept.state.fileTitle = "run 12.rvd";
  kept.state.modified = true;
  DataFileSession session = SampleSession();
  session.savedEquation = EquationRecord{};  // nothing saved since the search
  EquationList list;
  list.insert(0, MakeEquationRecord(0.5, 13, "Y = aX1 + b"));
  list.insert(1, MakeEquationRecord(kSampleRSquared, kSampleOrdinal, kSampleEquation));
  const RecoverySlot newer{4242, 1}, older{4242, 2}, open{77, 1};
  ASSERT_TRUE(SaveRecoveryFile(folder, newer, kept, session, list));
  ASSERT_TRUE(SaveRecoveryFile(folder, older, Document{}, DataFileSession{}, EquationList{}));
  ASSERT_TRUE(SaveRecoveryFile(folder, open, Document{}, DataFileSession{}, EquationList{}));
  SetKeptAt(folder, newer, 60);
  SetKeptAt(folder, older, 600);
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);

  const std::vector<RecoveredSheet> offered = RecoveredSheets(folder, [&](RecoverySlot slot) { return slot == open; });
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0].slot, older);
  EXPECT_EQ(offered[0].title, "Untitled");
  EXPECT_EQ(offered[1].slot, newer);
  EXPECT_EQ(offered[1].title, "run 12.rvd");
  EXPECT_LT(offered[0].keptAt, offered[1].keptAt);

  Document document;
  document.state.dataFolder = "/home/ann";
  document.options.shadeSurface = false;
  DataFileSession restored;
  EquationList equations;
  const Outcome<ViewUpdates> outcome = RestoreRecoveredSheet(folder, newer, document, restored, equations);
  ASSERT_TRUE(outcome);
  EXPECT_TRUE(outcome->reloadSheet);
  EXPECT_TRUE(SameBits(document.sheet.cells, kept.sheet.cells));
  EXPECT_EQ(document.options.title1, kept.options.title1);
  EXPECT_FALSE(document.options.shadeSurface) << "the file does not hold the shading: the window's stays";
  EXPECT_EQ(document.state.path, "/data/run 12.rvd");
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

TEST(RecoveryFile, AnUntitledSheetComesBackUntitled) {
  TemporaryFolder temporary;
  Document kept;
  kept.sheet.cell(0, 0) = 3.0;
  ASSERT_TRUE(SaveRecoveryFile(temporary.path(), {5, 1}, kept, DataFileSession{}, EquationList{}));

  Document document = SampleDocument();
  document.state.named = true;
  document.state.path = "/data/other.rvd";
  DataFileSession session;
  EquationList equations;
  EXPECT_TRUE(RestoreRecoveredSheet(temporary.path(), {5, 1}, document, session, equations));
  EXPECT_FALSE(document.state.named);
  EXPECT_TRUE(document.state.path.empty());
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(document.sheet.cell(0, 0), 3.0);
  EXPECT_EQ(equations.size(), 0);
}

TEST(RecoveryFile, ADamagedKeptSheetIsReportedAndLeavesTheSheetAlone) {
  TemporaryFolder temporary;
  WriteBytes(temporary.file("recovery-9-1.rvd"), std::vector<std::uint8_t>(100, 7));
  WriteBytes(temporary.file("recovery-x-1.rvd"), std::vector<std::uint8_t>(100, 7));  // not one of ours
  ASSERT_EQ(RecoveredSheets(temporary.path(), NoneOpen).size(), 1u);
  Document document = SampleDocument();
  DataFileSession session;
  EquationList equations;
  const Outcome<ViewUpdates> outcome = RestoreRecoveredSheet(temporary.path(), {9, 1}, document, session, equations);
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text, "The data file has been corrupted\nyou need to reenter your data.");
  EXPECT_TRUE(SameBits(document.sheet.cells, SampleDocument().sheet.cells));
  EXPECT_TRUE(RecoveredSheets(temporary.path(), NoneOpen).empty());
}

TEST(RecoveryFile, NothingIsKeptWhereNoFolderCanBeMade) {
  TemporaryFolder temporary;
  WriteBytes(temporary.file("blocker"), {1});
  EXPECT_FALSE(
      SaveRecoveryFile(temporary.file("blocker/regrovantis"), {1, 1}, Document{}, DataFileSession{}, EquationList{}));
  EXPECT_FALSE(SaveRecoveryFile("", {1, 1}, Document{}, DataFileSession{}, EquationList{}));
}

}  // namespace
}  // namespace rv::testing
