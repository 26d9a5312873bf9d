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

// A saved or opened file moves to the top; paths are compared with their
// letter case; of several equal slots the last is dropped.
TEST(RecentFiles, ARememberedFileMovesToTheTop) {
  using Slots4 = std::array<std::string, 4>;
  const struct {
    const char* what;
    Slots4 settings;
    std::vector<std::string> remembered;
    Slots4 slots;
  } cases[] = {
      {"a listed file", {A, B, C, D}, {C}, {C, A, B, D}},
      {"a new file", {A, B, C, D}, {C, E}, {E, C, A, B}},
      {"the top file again", {A, B, C, D}, {C, E, E}, {E, C, A, B}},
      {"another letter case", {A, "", "", ""}, {"/data/A.rvd"}, {"/data/A.rvd", A, "", ""}},
      {"a file in two slots", {A, B, A, C}, {A}, {A, A, B, C}},
  };
  for (const auto& c : cases) {
    RecentFiles recent = RecentFiles::FromSettings(c.settings);
    for (const std::string& path : c.remembered) recent.remember(path);
    EXPECT_EQ(Slots(recent), c.slots) << c.what;
  }
  RecentFiles recent = RecentFiles::FromSettings({A, B, C, D});
  for (const std::string& path : {C, E}) recent.remember(path);
  EXPECT_EQ(recent.menuItems(),
            (Items{{401, "&1 " + E, true}, {402, "&2 " + C, true}, {403, "&3 " + A, true}, {404, "&4 " + B, true}}));
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
