#include "files/recent_files.h"

#include <gtest/gtest.h>

namespace rv::testing {
namespace {

using Items = std::vector<RecentFileMenuItem>;

const std::string A = "/data/a.rvd", B = "/data/b.rvd", C = "/data/c.rvd", D = "/data/d.rvd", E = "/data/e.rvd";

std::array<std::string, 4> Slots(const RecentFiles& recent) {
  return {recent.path(0), recent.path(1), recent.path(2), recent.path(3)};
}

TEST(RecentFiles, OnlyAbsolutePathsFromTheSettingsTakeASlot) {
  const RecentFiles recent = RecentFiles::FromSettings({"", B, "  ", "relative.rvd"});
  EXPECT_EQ(recent.menuItems(), (Items{{401, "&1 " + B, true}}));
  EXPECT_EQ(recent.pathOfCommand(401), B);
  EXPECT_FALSE(recent.pathOfCommand(402));
  EXPECT_FALSE(recent.pathOfCommand(400));
  EXPECT_TRUE(RecentFiles::FromSettings({"C:\\data\\a.rvd", "", "", ""}).menuItems().empty());
}

TEST(RecentFiles, ASavedOrOpenedFileMovesToTheTop) {
  RecentFiles recent = RecentFiles::FromSettings({A, B, C, D});
  recent.remember(C);
  EXPECT_EQ(Slots(recent), (std::array<std::string, 4>{C, A, B, D}));
  recent.remember(E);
  EXPECT_EQ(Slots(recent), (std::array<std::string, 4>{E, C, A, B}));
  recent.remember(E);
  EXPECT_EQ(Slots(recent), (std::array<std::string, 4>{E, C, A, B}));
  EXPECT_EQ(recent.menuItems(),
            (Items{{401, "&1 " + E, true}, {402, "&2 " + C, true}, {403, "&3 " + A, true}, {404, "&4 " + B, true}}));
}

TEST(RecentFiles, PathsAreComparedWithTheirLetterCase) {
  RecentFiles recent = RecentFiles::FromSettings({A, "", "", ""});
  recent.remember("/data/A.rvd");
  EXPECT_EQ(Slots(recent), (std::array<std::string, 4>{"/data/A.rvd", A, "", ""}));
}

TEST(RecentFiles, TheLastOfSeveralEqualSlotsIsDropped) {
  RecentFiles recent = RecentFiles::FromSettings({A, B, A, C});
  recent.remember(A);
  EXPECT_EQ(Slots(recent), (std::array<std::string, 4>{A, A, B, C}));
}

TEST(RecentFiles, AFailedOpenGreysItsEntryAndDropsItFromTheSettings) {
  RecentFiles recent = RecentFiles::FromSettings({A, B, C, ""});
  recent.forget(B);
  EXPECT_EQ(recent.menuItems(), (Items{{401, "&1 " + A, true}, {402, "&2 " + B, false}, {403, "&3 " + C, true}}));
  EXPECT_FALSE(recent.pathOfCommand(402));
  EXPECT_EQ(recent.settingsValues(), (std::array<std::string, 4>{A, C, "  ", "  "}));

  // Saving another file renumbers the entries in use; the emptied slot moves
  // down with the others and its item stays greyed.
  recent.remember(D);
  EXPECT_EQ(recent.menuItems(),
            (Items{{401, "&1 " + D, true}, {402, "&2 " + A, true}, {403, "&3 " + C, false}, {404, "&3 " + C, true}}));
}

TEST(RecentFiles, AmpersandsInAPathAreNotTakenAsKeys) {
  const RecentFiles recent = RecentFiles::FromSettings({"/data/R&D/a.rvd", "", "", ""});
  EXPECT_EQ(recent.menuItems().at(0).label, "&1 /data/R&&D/a.rvd");
  EXPECT_EQ(recent.pathOfCommand(401), "/data/R&D/a.rvd");
}

}  // namespace
}  // namespace rv::testing
