#include <gtest/gtest.h>

#include <cstring>

#include "files/new_data_sheet.h"
#include "files/recovery_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

bool SameCells(const SheetValues& a, const SheetValues& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(RecoveryFile, LivesInTheUsersStateFolder) {
  EXPECT_EQ(RecoveryFolder("/home/ann/state", "/home/ann"), "/home/ann/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder("relative", "/home/ann"), "/home/ann/.local/state/regrovantis");
  EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
}

TEST(RecoveryFile, AKeptSheetComesBackWithItsNameAsChangedAndIsThenGone) {
  TemporaryFolder temporary;
  const std::string folder = temporary.file("state/regrovantis");
  EXPECT_FALSE(RecoveredSheetTitle(folder));

  Document kept = SampleDocument();
  kept.state.named = true;
  kept.state.path = "/data/run 12.rvd";
  kept.state.fileTitle = "run 12.rvd";
  kept.state.modified = true;
  ASSERT_TRUE(SaveRecoveryFile(folder, kept, SampleSession()));
  EXPECT_EQ(RecoveredSheetTitle(folder), "run 12.rvd");

  Document document;
  document.state.dataFolder = "/home/ann";
  DataFileSession session;
  EquationList equations;
  const FileOutcome outcome = RestoreRecoveredSheet(folder, document, session, equations);
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_TRUE(outcome.reloadSheet);
  EXPECT_TRUE(SameCells(document.sheet.cells, kept.sheet.cells));
  EXPECT_EQ(document.options.title1, kept.options.title1);
  EXPECT_EQ(document.state.path, "/data/run 12.rvd");
  EXPECT_TRUE(document.state.named);
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(equations.size(), 1);
  EXPECT_EQ(equations.slot(0).ordinal, kSampleOrdinal);
  EXPECT_FALSE(session.graphDrawn);
  EXPECT_FALSE(RecoveredSheetTitle(folder));
}

TEST(RecoveryFile, AnUntitledSheetComesBackUntitled) {
  TemporaryFolder temporary;
  Document kept;
  kept.sheet.cell(0, 0) = 3.0;
  ASSERT_TRUE(SaveRecoveryFile(temporary.path(), kept, DataFileSession{}));
  EXPECT_EQ(RecoveredSheetTitle(temporary.path()), "Untitled");

  Document document = SampleDocument();
  document.state.named = true;
  document.state.path = "/data/other.rvd";
  DataFileSession session;
  EquationList equations;
  EXPECT_TRUE(RestoreRecoveredSheet(temporary.path(), document, session, equations).succeeded);
  EXPECT_FALSE(document.state.named);
  EXPECT_TRUE(document.state.path.empty());
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(document.sheet.cell(0, 0), 3.0);
  EXPECT_EQ(equations.size(), 0);
}

TEST(RecoveryFile, ADamagedKeptSheetIsReportedAndLeavesTheSheetAlone) {
  TemporaryFolder temporary;
  WriteBytes(temporary.file(kRecoveryDataFileName), std::vector<std::uint8_t>(100, 7));
  ASSERT_TRUE(RecoveredSheetTitle(temporary.path()));
  Document document = SampleDocument();
  DataFileSession session;
  EquationList equations;
  const FileOutcome outcome = RestoreRecoveredSheet(temporary.path(), document, session, equations);
  EXPECT_FALSE(outcome.succeeded);
  ASSERT_TRUE(outcome.message);
  EXPECT_TRUE(SameCells(document.sheet.cells, SampleDocument().sheet.cells));
  EXPECT_FALSE(RecoveredSheetTitle(temporary.path()));
}

TEST(RecoveryFile, NothingIsKeptWhereNoFolderCanBeMade) {
  TemporaryFolder temporary;
  WriteBytes(temporary.file("blocker"), {1});
  EXPECT_FALSE(SaveRecoveryFile(temporary.file("blocker/regrovantis"), Document{}, DataFileSession{}));
  EXPECT_FALSE(SaveRecoveryFile("", Document{}, DataFileSession{}));
}

}  // namespace
}  // namespace rv::testing
